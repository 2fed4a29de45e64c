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
    using Art = Abweisung::Art;
    const QFileInfo info(pfad);
    if (!info.exists())
        throw Abweisung(Art::DateiFehlt);
    if (!info.isFile())
        throw Abweisung(Art::KeineDatei);
    if (info.size() > hoechstgroesse)
        throw Abweisung(Art::ZuGross).mitGroesse(info.size());
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        throw Abweisung(Art::Unlesbar).mitWert(datei.errorString());
    // Read no more than the limit, even if the file grew since its size was looked at.
    QByteArray inhalt = datei.read(hoechstgroesse + 1);
    if (inhalt.size() > hoechstgroesse)
        throw Abweisung(Art::Gewachsen);

    if (inhalt.startsWith("\xEF\xBB\xBF"))
        inhalt.remove(0, 3);
    else if (inhalt.startsWith("\xFF\xFE") || inhalt.startsWith("\xFE\xFF"))
        throw Abweisung(Art::Utf16);
    if (!istText(inhalt))
        throw Abweisung(Art::KeinText);
    if (QByteArrayView(inhalt).trimmed().isEmpty())
        throw Abweisung(Art::Leer);
    return istVcard(inhalt) ? vcardLesen(inhalt) : csvLesen(std::move(inhalt));
}

} // namespace exchange
