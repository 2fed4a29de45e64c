#include "gedenktage.h"

#include "core/durchlauf.h"
#include "core/eintragsbuch.h"
#include "core/tage.h"
#include "store/cursor.h"
#include "store/store.h"

std::optional<QList<Gedenktag>> gedenktageLesen(const Aufruf& aufruf, QDate heute, int anzahl)
{
    core::Eintragsbuch::Bestand bestand;
    try {
        auto s = store::Store::open(aufruf.datenbank(), store::Store::Zugriff::NurLesen);
        store::Cursor cursor(*s);
        bestand = core::Eintragsbuch(cursor).alle();
    } catch (const store::StoreError& fehler) {
        aufruf.fehler << core::fehlertext(fehler) << Qt::endl;
        return std::nullopt;
    }
    if (bestand.durchlauf.fehler) {
        aufruf.fehler << QStringLiteral("Nicht alle Einträge konnten gelesen werden. %1")
                             .arg(core::fehlertext(*bestand.durchlauf.fehler))
                      << Qt::endl;
        return std::nullopt;
    }
    QList<QDate> tage;
    for (int k = 0; k < anzahl; ++k)
        tage.append(heute.addDays(k));
    const QList<QList<core::Zeile>> listen = core::tageslisten(bestand.eintraege, tage);
    QList<Gedenktag> gedenktage;
    for (int k = 0; k < anzahl; ++k) {
        if (listen[k].isEmpty())
            continue;
        Gedenktag tag{core::tagestitel(k, heute), {}};
        for (const core::Zeile& z : listen[k])
            tag.zeilen << z.text;
        gedenktage.append(tag);
    }
    return gedenktage;
}
