#include "tage.h"

#include "anzeigezeile.h"
#include "datum.h"
#include "zahlen.h"

#include <QHash>

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

QList<QList<Zeile>> tageslisten(const QList<Eintrag>& eintraege, const QList<QDate>& tage)
{
    // month * 100 + day: a run of days longer than a year holds a date twice
    QHash<int, QList<qsizetype>> tageNachDatum;
    for (qsizetype k = 0; k < tage.size(); ++k)
        tageNachDatum[tage[k].month() * 100 + tage[k].day()].append(k);
    QList<QList<Zeile>> listen(tage.size());
    for (const Eintrag& e : eintraege) {
        if (e.tag < 1 || e.tag > 31)
            continue;
        for (const qsizetype k : tageNachDatum.value(e.monat * 100 + e.tag))
            listen[k].append({anzeigename(e.Bezeichnung) + altersZusatz(e.jahr, tage[k].year()), e.id});
    }
    return listen;
}

Tageslisten erinnerungsaufbau(const QList<Eintrag>& eintraege, QDate heute)
{
    QList<QDate> tage;
    for (int k = 0; k < tagesanzahl; ++k)
        tage.append(slotdatum(k, heute));
    const QList<QList<Zeile>> listen = tageslisten(eintraege, tage);
    Tageslisten fenster;
    std::copy(listen.cbegin(), listen.cend(), fenster.begin());
    return fenster;
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
