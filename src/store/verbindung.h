// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Inside the store only: the engine's connection behind a Store.
#include "sqlite.h"

namespace store {

// How long an access waits while another program holds the file.
inline constexpr int wartezeitBeiSperreMs = 3000;

class Verbindung {
public:
    Verbindung(sqlite3* db, const QString& pfad) : db(db), pfad(pfad) {}
    ~Verbindung() { sqlite3_close_v2(db); }
    Verbindung(const Verbindung&) = delete;
    Verbindung& operator=(const Verbindung&) = delete;

    sqlite3* const db;
    const QString pfad; // as the caller named the file; every message names it so
};

} // namespace store
