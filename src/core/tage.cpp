#include "tage.h"

#include "anzeigezeile.h"
#include "datum.h"
#include "zahlen.h"

namespace core {

QDate slotdatum(int slot, QDate heute)
{
    return heute.addDays(slot - heuteSlot);
}

QString tagesanzeige(int slot, QDate heute)
{
    static const char* const vorsilben[tagesanzahl] = {
        "Vorgestern: ", "Gestern: ", "Heute: ", "Morgen: ", "Übermorgen: ", "", "", "", ""};
    return QString::fromUtf8(vorsilben[slot]) + deutschesDatum(slotdatum(slot, heute));
}

Tageslisten erinnerungsaufbau(const QList<Eintrag>& eintraege, QDate heute)
{
    std::array<QDate, tagesanzahl> tage;
    for (int k = 0; k < tagesanzahl; ++k)
        tage[k] = slotdatum(k, heute);
    Tageslisten listen;
    for (const Eintrag& e : eintraege) {
        for (int k = 0; k < tagesanzahl; ++k) {
            if (e.tag == tage[k].day() && e.monat == tage[k].month())
                listen[k].append({e.Bezeichnung + altersZusatz(e.jahr, tage[k].year()), e.id});
        }
    }
    return listen;
}

QString mitAnzahl(const QString& titel, qsizetype anzahl)
{
    return titel + QStringLiteral(" (%1)").arg(anzahl);
}

int naechsterJahrestag(const QList<Zeile>& zeilen, QDate heute)
{
    // Every line begins "MM-TT ". One pass notes the first line of each month and day, so the
    // candidate dates below cost one look-up each instead of a pass over the list.
    std::array<std::array<int, 32>, 13> ersteZeile;
    for (auto& monat : ersteZeile)
        monat.fill(-1);
    for (int i = 0; i < zeilen.size(); ++i) {
        const QStringView text(zeilen.at(i).text);
        const double monat = zahlwert(text.mid(0, 2));
        const double tag = zahlwert(text.mid(3, 2));
        if (monat < 0 || monat > 12 || tag < 0 || tag > 31 || monat != int(monat) || tag != int(tag))
            continue;
        int& erste = ersteZeile[int(monat)][int(tag)];
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
