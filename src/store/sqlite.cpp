// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sqlite.h"

#include "verbindung.h"

namespace store {

StoreError sqliteError(const Verbindung& verbindung, int code, StoreError::Vorgang vorgang, const QString& anweisung)
{
    return sqliteError(verbindung.db, verbindung.pfad, code, vorgang, anweisung);
}

StoreError sqliteError(sqlite3* db, const QString& pfad, int code, StoreError::Vorgang vorgang,
                       const QString& anweisung)
{
    using Art = StoreError::Art;
    const auto art = [&]() {
        switch (code & 0xff) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return Art::Gesperrt;
        case SQLITE_READONLY:
            if (code == SQLITE_READONLY_ROLLBACK)
                return Art::HalbeAenderung;
            return code == SQLITE_READONLY_DBMOVED ? Art::Ersetzt : Art::Schreibgeschuetzt;
        case SQLITE_FULL:
            return Art::DatentraegerVoll;
        case SQLITE_NOTADB:
            return Art::KeineDatenbank;
        case SQLITE_CORRUPT:
            return Art::Beschaedigt;
        case SQLITE_ERROR:
            // A page that does not decrypt fails with the bare code and the engine's generic text,
            // also when a write needs it; the engine's own errors (a table another program dropped)
            // name what they are.
            if (db && qstrcmp(sqlite3_errmsg(db), sqlite3_errstr(SQLITE_ERROR)) == 0)
                return Art::Beschaedigt;
            return Art::Datenbankfehler;
        case SQLITE_IOERR:
            // A write cut short by a full disk or a size limit comes as an I/O error, not as FULL.
            return code == SQLITE_IOERR_READ || code == SQLITE_IOERR_SHORT_READ ? Art::Lesefehler : Art::Schreibfehler;
        case SQLITE_CANTOPEN:
        case SQLITE_PERM:
            return Art::NichtGeoeffnet;
        default:
            return Art::Datenbankfehler;
        }
    }();
    // Only the engine's other codes are told with what was being done; the rest say what befell the file.
    StoreError fehler(art, pfad);
    fehler.mitCode(code);
    if (art == Art::Datenbankfehler)
        fehler.beim(vorgang, anweisung);
    return fehler;
}

Statement::Statement(const Verbindung& verbindung, const char* sql) : verbindung_(verbindung)
{
    const int rc = sqlite3_prepare_v2(verbindung_.db, sql, -1, &stmt_, nullptr);
    if (rc != SQLITE_OK)
        throw sqliteError(verbindung_, rc, StoreError::Vorgang::Vorbereiten);
}

Statement::~Statement()
{
    sqlite3_finalize(stmt_);
}

void Statement::bind(int index, const QVariant& value)
{
    int rc = SQLITE_OK;
    if (value.isNull()) {
        rc = sqlite3_bind_null(stmt_, index);
    } else if (value.typeId() == QMetaType::QString) {
        const QByteArray utf8 = value.toString().toUtf8();
        rc = sqlite3_bind_text(stmt_, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    } else {
        rc = sqlite3_bind_int64(stmt_, index, value.toLongLong());
    }
    if (rc != SQLITE_OK)
        throw sqliteError(verbindung_, rc, StoreError::Vorgang::Uebergeben);
}

void Statement::bindInt64(int index, qint64 value)
{
    const int rc = sqlite3_bind_int64(stmt_, index, value);
    if (rc != SQLITE_OK)
        throw sqliteError(verbindung_, rc, StoreError::Vorgang::Uebergeben);
}

bool Statement::step()
{
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE) {
        sqlite3_reset(stmt_);
        return false;
    }
    sqlite3_reset(stmt_);
    throw sqliteError(verbindung_, rc, StoreError::Vorgang::Zugriff);
}

void Statement::reset()
{
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

QVariant Statement::column(int index) const
{
    switch (sqlite3_column_type(stmt_, index)) {
    case SQLITE_INTEGER:
        return QVariant(qint64(sqlite3_column_int64(stmt_, index)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(stmt_, index));
    case SQLITE_TEXT: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, index));
        return QVariant(QString::fromUtf8(text, sqlite3_column_bytes(stmt_, index)));
    }
    case SQLITE_BLOB: {
        const auto* daten = static_cast<const char*>(sqlite3_column_blob(stmt_, index));
        return QVariant(QByteArray(daten, sqlite3_column_bytes(stmt_, index)));
    }
    default:
        return {};
    }
}

int Statement::spalten() const
{
    return sqlite3_column_count(stmt_);
}

qint64 Statement::columnInt64(int index) const
{
    return sqlite3_column_int64(stmt_, index);
}

void execute(const Verbindung& verbindung, const char* sql)
{
    const int rc = sqlite3_exec(verbindung.db, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        throw sqliteError(verbindung, rc, StoreError::Vorgang::Ausfuehren, QString::fromUtf8(sql));
}

} // namespace store
