// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// `gedenkbuch-daten sichern ZIEL`: a checked copy of daten.mdb in a new file, also while the
// program runs.
#include "befehl.h"

#include "core/durchlauf.h"
#include "store/store.h"
#include "store/storeerror.h"

int sichern(const Aufruf& aufruf)
{
    const QString ziel = aufruf.wert("ZIEL");
    try {
        store::Store::open(aufruf.datenbank(), store::Store::Zugriff::NurLesen)->sichern(ziel);
    } catch (const store::StoreError& fehler) {
        aufruf.fehler << core::fehlertext(fehler) << Qt::endl
                      << QStringLiteral("Es wurde keine Sicherung angelegt.") << Qt::endl;
        return Fehlschlag;
    }
    aufruf.aus << QStringLiteral("Die Sicherung %1 von %2 ist geschrieben und geprüft.").arg(ziel, aufruf.datenbank())
               << Qt::endl;
    return Erfolg;
}
