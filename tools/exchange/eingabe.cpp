// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "eingabe.h"

#include "csv.h"
#include "vcard.h"

#include <QFile>
#include <QFileInfo>

namespace exchange {

namespace {

// Control characters other than tab and line ends occur in programs and pictures, not in text.
bool istText(QByteArrayView inhalt)
{
    for (const char c : inhalt) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 && b != '\t' && b != '\n' && b != '\r')
            return false;
    }
    return true;
}

bool istVcard(QByteArrayView inhalt)
{
    const QByteArrayView anfang = inhalt.trimmed().first(std::min<qsizetype>(11, inhalt.trimmed().size()));
    return anfang.compare(QByteArrayView("BEGIN:VCARD"), Qt::CaseInsensitive) == 0;
}

} // namespace

Gelesen einlesen(const QString& pfad)
{
    const QFileInfo info(pfad);
    if (!info.exists())
        throw Abweisung(QStringLiteral("Die Datei gibt es nicht."));
    if (!info.isFile())
        throw Abweisung(QStringLiteral("Das ist keine Datei."));
    if (info.size() > hoechstgroesse)
        throw Abweisung(QStringLiteral("Die Datei ist %1 MB groß; gelesen werden Dateien bis %2 MB.")
                            .arg(info.size() / (1024 * 1024))
                            .arg(hoechstgroesse / (1024 * 1024)));
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        throw Abweisung(QStringLiteral("Die Datei kann nicht gelesen werden: %1.").arg(datei.errorString()));
    // Read no more than the limit, even if the file grew since its size was looked at.
    QByteArray inhalt = datei.read(hoechstgroesse + 1);
    if (inhalt.size() > hoechstgroesse)
        throw Abweisung(QStringLiteral("Die Datei ist größer als %1 MB.").arg(hoechstgroesse / (1024 * 1024)));

    if (inhalt.startsWith("\xEF\xBB\xBF"))
        inhalt.remove(0, 3);
    else if (inhalt.startsWith("\xFF\xFE") || inhalt.startsWith("\xFE\xFF"))
        throw Abweisung(QStringLiteral("Die Datei ist in UTF-16 geschrieben, einer Kodierung, die hier nicht gelesen "
                                       "wird. Speichern Sie sie als UTF-8."));
    if (!istText(inhalt))
        throw Abweisung(QStringLiteral("Die Datei ist keine Textdatei; sie enthält Steuerzeichen, wie sie in "
                                       "Programmen und Bildern vorkommen."));
    if (QByteArrayView(inhalt).trimmed().isEmpty())
        throw Abweisung(QStringLiteral("Die Datei ist leer."));
    return istVcard(inhalt) ? vcardLesen(inhalt) : csvLesen(std::move(inhalt));
}

} // namespace exchange
