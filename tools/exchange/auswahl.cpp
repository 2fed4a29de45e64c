// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "auswahl.h"

#include "bereinigen.h"

#include "core/eintrag.h"
#include "core/jahr.h"

#include <QHash>
#include <algorithm>

namespace exchange {

QString beschreibung(Gelesen::Quelle quelle, const Auslassung& a)
{
    const QString stelle
        = QStringLiteral("%1 %2")
              .arg(quelle == Gelesen::Quelle::Karte ? QStringLiteral("Karte") : QStringLiteral("Zeile"))
              .arg(a.stelle);
    if (a.name.isEmpty())
        return QStringLiteral("%1: %2").arg(stelle, a.grund);
    return QStringLiteral("%1 („%2“): %3").arg(stelle, zitat(a.name), a.grund);
}

Auswahl auswaehlen(const Gelesen& gelesen, const QSet<QString>& vergeben)
{
    const QString woanders
        = gelesen.quelle == Gelesen::Quelle::Karte ? QStringLiteral("Karte") : QStringLiteral("Zeile");
    Auswahl auswahl;
    auswahl.auslassungen = gelesen.auslassungen;
    auswahl.hinweise = gelesen.hinweise;
    QHash<QString, int> gesehen; // name -> where it was taken
    for (Satz satz : gelesen.saetze) {
        QString grund;
        if (satz.name.isEmpty())
            grund = QStringLiteral("ohne Bezeichnung");
        else if (core::zeichenzahl(satz.name) > core::laengsteBezeichnung)
            grund = QStringLiteral("die Bezeichnung ist länger als %1 Zeichen").arg(core::laengsteBezeichnung);
        else if (satz.tag == 0 || satz.monat == 0)
            grund = QStringLiteral("ohne Tag oder Monat");
        else if (!core::gibtEsDenTag(satz.tag, satz.monat))
            grund = QStringLiteral("den %1.%2. gibt es in keinem Jahr")
                        .arg(satz.tag, 2, 10, QLatin1Char('0'))
                        .arg(satz.monat, 2, 10, QLatin1Char('0'));
        else if (vergeben.contains(satz.name))
            grund = QStringLiteral("diese Bezeichnung gibt es schon im Gedenkbuch");
        else if (const auto frueher = gesehen.constFind(satz.name); frueher != gesehen.cend())
            grund = QStringLiteral("diese Bezeichnung kam schon in %1 %2 vor").arg(woanders).arg(*frueher);

        if (!grund.isEmpty()) {
            auswahl.auslassungen.append({satz.stelle, satz.name, grund});
            continue;
        }
        gesehen.insert(satz.name, satz.stelle);
        if (satz.jahr && !core::jahrImImport(*satz.jahr))
            satz.jahr.reset();
        auswahl.uebernehmen.append(satz);
    }
    return auswahl;
}

QStringList bericht(Gelesen::Quelle quelle, const Auswahl& auswahl)
{
    // A record's remark comes before its reasons for being skipped.
    QList<Auslassung> zeilen = auswahl.hinweise + auswahl.auslassungen;
    std::stable_sort(zeilen.begin(), zeilen.end(),
                     [](const Auslassung& a, const Auslassung& b) { return a.stelle < b.stelle; });
    QStringList texte;
    for (const Auslassung& a : std::as_const(zeilen))
        texte << beschreibung(quelle, a);
    return texte;
}

} // namespace exchange
