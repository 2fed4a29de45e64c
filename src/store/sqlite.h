// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Inside the store only: the one place that includes SQLCipher's header. SQLITE_HAS_CODEC is
// defined by the build.
#include <sqlcipher/sqlite3.h>

#include "storeerror.h"

#include <QString>
#include <QVariant>

namespace store {

class Verbindung;

// Builds the StoreError that belongs to an SQLite result code on a connection to the file at
// `pfad`; `vorgang` says what was being done, `anweisung` the SQL it ran.
StoreError sqliteError(sqlite3* db, const QString& pfad, int code, StoreError::Vorgang vorgang,
                       const QString& anweisung = {});
StoreError sqliteError(const Verbindung& verbindung, int code, StoreError::Vorgang vorgang,
                       const QString& anweisung = {});

// A prepared statement that is finalised with its owner. Values are only ever bound, never
// pasted into the SQL text.
class Statement {
public:
    Statement(const Verbindung& verbindung, const char* sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // A null QVariant binds null, a QString text, any other value an integer.
    void bind(int index, const QVariant& value);
    void bindInt64(int index, qint64 value);
    // True while a row is available; throws on any error. Resets itself after the last row.
    bool step();
    void reset();

    // The value as the engine holds it: null, an integer as qint64, a real as double, text as
    // QString, a blob as QByteArray.
    QVariant column(int index) const;
    int spalten() const;
    qint64 columnInt64(int index) const;

private:
    const Verbindung& verbindung_;
    sqlite3_stmt* stmt_ = nullptr;
};

// Runs SQL without parameters and results (schema statements, pragmas).
void execute(const Verbindung& verbindung, const char* sql);

} // namespace store
