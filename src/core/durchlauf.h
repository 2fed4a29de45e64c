// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "eintrag.h"
#include "fehlertexte.h"
#include "store/schema.h"
#include "store/storeerror.h"

#include <functional>
#include <optional>

namespace store {
class Cursor;
}

namespace core {

// How a walk over the table ended.
struct Durchlauf {
    bool leer = false;                       // the table held no record
    std::optional<store::StoreError> fehler; // the walk stopped here; what came before stands
    bool vollstaendig() const { return !fehler; }
};

// The one walk over the table: MoveFirst, then every record in store order until Eof. `je` gets
// each record. A damaged page is stepped over: the walk goes on behind it and gives the damage
// back as its failure. Any other failure of the store ends the walk and is given back.
Durchlauf durchlaufen(store::Cursor& cursor, const std::function<void(const store::Datensatz&)>& je);

// The same walk, handing over only the records the walk rule admits (see eintragLesen).
Durchlauf eintraegeDurchlaufen(store::Cursor& cursor, const std::function<void(const Eintrag&)>& je);

} // namespace core
