#pragma once

// Inside the store only: the one place that includes SQLCipher's header. SQLITE_HAS_CODEC is
// defined by the build.
#include <sqlcipher/sqlite3.h>

#include "storeerror.h"

#include <QString>
#include <QVariant>

namespace store {

// Builds the StoreError that belongs to an SQLite result code; `during` says what was being done.
StoreError sqliteError(sqlite3* db, int code, const QString& during);

// A prepared statement that is finalised with its owner. Values are only ever bound, never
// pasted into the SQL text.
class Statement {
public:
    Statement(sqlite3* db, const char* sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void bind(int index, const QVariant& value);
    void bindInt64(int index, qint64 value);
    // True while a row is available; throws on any error. Resets itself after the last row.
    bool step();
    void reset();

    QVariant column(int index) const;
    qint64 columnInt64(int index) const;

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

// Runs SQL without parameters and results (schema statements, pragmas).
void execute(sqlite3* db, const char* sql);

} // namespace store
