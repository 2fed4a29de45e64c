#pragma once

#include "sqlite.h"

#include <QString>
#include <memory>

namespace store {

// The database file is opened by its bare name, so it is looked up in the working directory.
inline const QString dateiname = QStringLiteral("daten.mdb");

// An open daten.mdb: an SQLCipher file keyed with the program's password that holds the table
// Gedenkbuch. Opening never creates or changes a file.
class Store {
public:
    // Throws StoreError for a missing, empty or foreign file, a wrong key and a missing table.
    static std::unique_ptr<Store> open(const QString& path);
    // Creates a new file, readable by its owner only, with the empty table. Refuses to touch
    // anything that already exists at `path`.
    static void create(const QString& path);

    ~Store();
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    sqlite3* handle() const { return db_; }

private:
    explicit Store(sqlite3* db) : db_(db) {}
    sqlite3* db_;
};

} // namespace store
