// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// `gedenkbuch-daten neu`: creates an empty daten.mdb, readable by its owner only.
#include "befehl.h"

#include "core/fehlertexte.h"
#include "store/store.h"
#include "store/storeerror.h"

int neu(const Aufruf& aufruf)
{
    try {
        store::Store::create(aufruf.datenbank());
    } catch (const store::StoreError& e) {
        aufruf.fehler << core::meldung(e) << Qt::endl;
        return Fehlschlag;
    }
    aufruf.aus << QStringLiteral("Die leere Datenbank %1 wurde angelegt.").arg(aufruf.datenbank()) << Qt::endl;
    return Erfolg;
}
