#include "naechsterjahrestag.h"

#include "ui/listenfeld.h"
#include "ui/zahlen.h"

#include <array>

int naechsterJahrestag(const ui::Listenfeld& liste, QDate heute)
{
    // Every line begins "MM-TT ". One pass notes the first line of each month and day, so the
    // candidate dates below cost one look-up each instead of a pass over the list.
    std::array<std::array<int, 32>, 13> ersteZeile;
    for (auto& monat : ersteZeile)
        monat.fill(-1);
    for (int i = 0; i < liste.anzahl(); ++i) {
        const QString text = liste.text(i);
        const double monat = ui::zahlwert(QStringView(text).mid(0, 2));
        const double tag = ui::zahlwert(QStringView(text).mid(3, 2));
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
