#pragma once

// Inside the store only: the engine's connection behind a Store.
#include "sqlite.h"

namespace store {

// How long an access waits while another program holds the file.
inline constexpr int wartezeitBeiSperreMs = 3000;

class Verbindung {
public:
    explicit Verbindung(sqlite3* db) : db(db) {}
    ~Verbindung() { sqlite3_close_v2(db); }
    Verbindung(const Verbindung&) = delete;
    Verbindung& operator=(const Verbindung&) = delete;
    sqlite3* const db;
};

} // namespace store
