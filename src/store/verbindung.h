#pragma once

// Inside the store only: the engine's connection behind a Store.
#include "sqlite.h"

namespace store {

class Verbindung {
public:
    explicit Verbindung(sqlite3* db) : db(db) {}
    ~Verbindung() { sqlite3_close_v2(db); }
    Verbindung(const Verbindung&) = delete;
    Verbindung& operator=(const Verbindung&) = delete;
    sqlite3* const db;
};

} // namespace store
