// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tage.h"

#include "anzeigezeile.h"
#include "datum.h"

namespace core {

QDate slotdatum(int slot, QDate heute)
{
    return heute.addDays(slot - heuteSlot);
}

QString tagestitel(int abstand, QDate heute)
{
    static const char* const woerter[5] = {"Vorgestern: ", "Gestern: ", "Heute: ", "Morgen: ", "Übermorgen: "};
    const QString wort = abstand >= -2 && abstand <= 2 ? QString::fromUtf8(woerter[abstand + 2]) : QString();
    return wort + deutschesDatum(heute.addDays(abstand));
}

QString tagesanzeige(int slot, QDate heute)
{
    return tagestitel(slot - heuteSlot, heute);
}

Tagesfilter::Tagesfilter(const QList<QDate>& tage) : tage_(tage), listen_(tage.size())
{
    for (qsizetype k = 0; k < tage.size(); ++k)
        tageNachDatum_[tage[k].month() * 100 + tage[k].day()].append(k);
}

void Tagesfilter::aufnehmen(const Eintrag& e)
{
    if (e.tag < 1 || e.tag > 31)
        return;
    const auto treffer = tageNachDatum_.constFind(e.monat * 100 + e.tag);
    if (treffer == tageNachDatum_.cend())
        return;
    for (const qsizetype k : *treffer)
        listen_[k].append(tageszeile(e, tage_[k].year()));
}

QList<QDate> fenstertage(QDate heute)
{
    QList<QDate> tage;
    for (int k = 0; k < tagesanzahl; ++k)
        tage.append(slotdatum(k, heute));
    return tage;
}

QString mitAnzahl(const QString& titel, qsizetype anzahl)
{
    return titel + QStringLiteral(" (%1)").arg(anzahl);
}

int naechsterJahrestag(const QList<Zeile>& zeilen, QDate heute)
{
    // One pass notes the first line of each month and day, so the candidate dates below cost one
    // look-up each instead of a pass over the list.
    std::array<std::array<int, 32>, 13> ersteZeile;
    for (auto& monat : ersteZeile)
        monat.fill(-1);
    for (int i = 0; i < zeilen.size(); ++i) {
        const Zeile& z = zeilen.at(i);
        if (z.monat < 1 || z.monat > 12 || z.tag < 0 || z.tag > 31)
            continue;
        int& erste = ersteZeile[z.monat][z.tag];
        if (erste < 0)
            erste = i;
    }

    const QDate danach = heute.addDays(7);
    const int m = danach.month();
    const int d = danach.day();
    // The rest of the month after the window, then the months up to December (each from day 0),
    // then January up to the month of the window again.
    for (int tag = d; tag <= 31; ++tag) {
        if (ersteZeile[m][tag] >= 0)
            return ersteZeile[m][tag];
    }
    for (int monat = m + 1; monat <= 12; ++monat) {
        for (int tag = 0; tag <= 31; ++tag) {
            if (ersteZeile[monat][tag] >= 0)
                return ersteZeile[monat][tag];
        }
    }
    for (int monat = 1; monat <= m; ++monat) {
        for (int tag = 1; tag <= 31; ++tag) {
            if (ersteZeile[monat][tag] >= 0)
                return ersteZeile[monat][tag];
        }
    }
    return -1;
}

} // namespace core
