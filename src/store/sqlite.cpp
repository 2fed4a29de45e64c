// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sqlite.h"

#include "verbindung.h"

namespace store {

StoreError StoreError::dateiBeschaedigt(const QString& pfad)
{
    return {Art::Beschaedigt, QStringLiteral("Die Datei %1 ist beschädigt.").arg(pfad)};
}

StoreError StoreError::eintragWeg()
{
    return {Art::KeinAktuellerDatensatz,
            QStringLiteral("Den Eintrag gibt es nicht mehr; er wurde inzwischen gelöscht.")};
}

StoreError StoreError::eintragVeraendert()
{
    return {Art::Veraendert,
            QStringLiteral("Ein anderes Programm hat den Eintrag geändert, gelöscht oder durch einen anderen "
                           "ersetzt, seit er hier angezeigt wurde.")};
}

StoreError sqliteError(const Verbindung& verbindung, int code, const QString& during)
{
    return sqliteError(verbindung.db, verbindung.pfad, code, during);
}

StoreError sqliteError(sqlite3* db, const QString& pfad, int code, const QString& during)
{
    using Art = StoreError::Art;
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return {Art::Gesperrt,
                QStringLiteral("Die Datei %1 wird gerade von einem anderen Programm benutzt. "
                               "Bitte versuchen Sie es gleich noch einmal.")
                    .arg(pfad)};
    case SQLITE_READONLY:
        if (code == SQLITE_READONLY_ROLLBACK)
            return {Art::Schreibgeschuetzt,
                    QStringLiteral("Die Datei %1 ist schreibgeschützt. Ein Programm, das sie beim "
                                   "Schreiben abgebrochen hat, hinterließ eine halbe Änderung, die "
                                   "erst zurückgenommen werden muss. Heben Sie den Schreibschutz "
                                   "auf und versuchen Sie es noch einmal.")
                        .arg(pfad)};
        if (code == SQLITE_READONLY_DBMOVED)
            return {Art::Ersetzt,
                    QStringLiteral("Die Datei %1 wurde gelöscht, verschoben oder ersetzt, während das "
                                   "Programm lief. Die Änderung wurde nicht gespeichert. Bitte starten "
                                   "Sie das Programm neu.")
                        .arg(pfad)};
        return {Art::Schreibgeschuetzt,
                QStringLiteral("Die Datei %1 ist schreibgeschützt. "
                               "Die Änderung wurde nicht gespeichert.")
                    .arg(pfad)};
    case SQLITE_FULL:
        return {Art::DatentraegerVoll,
                QStringLiteral("Der Datenträger ist voll. Die Änderung wurde nicht gespeichert.")};
    case SQLITE_NOTADB:
        return {Art::KeineDatenbank,
                QStringLiteral("Die Datei %1 ist keine Datenbank dieses Programms, "
                               "oder sie ist mit einem anderen Kennwort geschützt.")
                    .arg(pfad)};
    case SQLITE_CORRUPT:
        return StoreError::dateiBeschaedigt(pfad);
    case SQLITE_ERROR:
        // A page that does not decrypt fails with the bare code and the engine's generic text, also
        // when a write needs it; the engine's own errors (a table another program dropped) name
        // what they are.
        if (db && qstrcmp(sqlite3_errmsg(db), sqlite3_errstr(SQLITE_ERROR)) == 0)
            return StoreError::dateiBeschaedigt(pfad);
        break;
    case SQLITE_IOERR:
        // A write cut short by a full disk or a size limit comes as an I/O error, not as FULL.
        if (code == SQLITE_IOERR_READ || code == SQLITE_IOERR_SHORT_READ)
            return {Art::Sonstiges, QStringLiteral("Die Datei %1 konnte nicht gelesen werden.").arg(pfad)};
        return {Art::DatentraegerVoll,
                QStringLiteral("Die Datei %1 konnte nicht geschrieben werden. "
                               "Vielleicht ist der Datenträger voll. "
                               "Die Änderung wurde nicht gespeichert.")
                    .arg(pfad)};
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
        return {Art::NichtLesbar, QStringLiteral("Die Datei %1 konnte nicht geöffnet werden.").arg(pfad)};
    default:
        break;
    }
    // The engine's own text is English; its number lets the user describe the fault.
    return {Art::Sonstiges, QStringLiteral("Die Datenbank meldet beim %1 den Fehler %2.").arg(during).arg(code)};
}

Statement::Statement(const Verbindung& verbindung, const char* sql) : verbindung_(verbindung)
{
    const int rc = sqlite3_prepare_v2(verbindung_.db, sql, -1, &stmt_, nullptr);
    if (rc != SQLITE_OK)
        throw sqliteError(verbindung_, rc, QStringLiteral("Vorbereiten einer Abfrage"));
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
        throw sqliteError(verbindung_, rc, QStringLiteral("Übergeben eines Wertes"));
}

void Statement::bindInt64(int index, qint64 value)
{
    const int rc = sqlite3_bind_int64(stmt_, index, value);
    if (rc != SQLITE_OK)
        throw sqliteError(verbindung_, rc, QStringLiteral("Übergeben eines Wertes"));
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
    throw sqliteError(verbindung_, rc, QStringLiteral("Zugriff auf die Datei"));
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
        throw sqliteError(verbindung, rc, QStringLiteral("Ausführen von „%1“").arg(QString::fromUtf8(sql)));
}

} // namespace store
