// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// How a window tells that another program changed the file: the engine's data_version.
#include "store.h"

#include "verbindung.h"

namespace store {

std::optional<qint64> Store::datenstand()
{
    sqlite3* db = verbindung_->db;
    // Asked every second: under another program's write lock the answer is "not now", never a wait.
    sqlite3_busy_timeout(db, 0);
    sqlite3_stmt* abfrage = nullptr;
    std::optional<qint64> stand;
    if (sqlite3_prepare_v2(db, "PRAGMA data_version", -1, &abfrage, nullptr) == SQLITE_OK
        && sqlite3_step(abfrage) == SQLITE_ROW)
        stand = sqlite3_column_int64(abfrage, 0);
    sqlite3_finalize(abfrage);
    sqlite3_busy_timeout(db, wartezeitBeiSperreMs);
    return stand;
}

} // namespace store
