// `gedenkbuch-daten sichern ZIEL`: a checked copy of daten.mdb in a new file, also while the
// program runs.
#include "befehl.h"

#include "core/durchlauf.h"
#include "store/store.h"
#include "store/storeerror.h"

int sichern(const Aufruf& aufruf)
{
    if (aufruf.argumente.size() != 1 || aufruf.argumente.constFirst().startsWith(u'-'))
        return FalscherAufruf;
    const QString ziel = aufruf.argumente.constFirst();
    try {
        store::Store::open(aufruf.datenbank(), store::Store::Zugriff::NurLesen)->sichern(ziel);
    } catch (const store::StoreError& fehler) {
        aufruf.fehler << core::fehlertext(fehler) << Qt::endl << QStringLiteral("Es wurde keine Sicherung angelegt.")
                      << Qt::endl;
        return Fehlschlag;
    }
    aufruf.aus << QStringLiteral("Die Sicherung %1 ist geschrieben und geprüft.").arg(ziel) << Qt::endl;
    return Erfolg;
}
