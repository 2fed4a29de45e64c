// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store.h"

#include "systemfehler.h"
#include "verbindung.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace store {

namespace {

constexpr char passwort[] = GEDENKBUCH_KENNWORT;
// Pages are decrypted when read. A cache that holds the whole file of a large collection (about
// 100 bytes an entry) spares every walk but the first the decryption; SQLite empties it when
// another program changes the file. The figure is a limit in KiB, not an allocation.
constexpr char seitenspeicher[] = "PRAGMA cache_size = -65536";
constexpr char tabelleAnlegen[] = "CREATE TABLE Gedenkbuch (Bezeichnung TEXT, tag INTEGER, monat INTEGER, "
                                  "jahr INTEGER, Bemerkungen TEXT)";

// A connection for the file, also when opening it failed: the engine gives a handle then too,
// which says why and must be closed.
std::unique_ptr<Verbindung> verbinden(const QString& pfad, int flags)
{
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(pfad).constData(), &db, flags, nullptr);
    auto verbindung = std::make_unique<Verbindung>(db, pfad);
    if (rc != SQLITE_OK)
        throw sqliteError(*verbindung, rc, StoreError::Vorgang::Oeffnen);
    return verbindung;
}

void schluesselSetzen(const Verbindung& v)
{
    const int rc = sqlite3_key(v.db, passwort, int(std::strlen(passwort)));
    if (rc != SQLITE_OK)
        throw sqliteError(v, rc, StoreError::Vorgang::Kennwort);
}

// Only a library that really is SQLCipher answers this pragma; a plain SQLite that shadows it
// would accept the key silently and write the data in plain text.
void sqlcipherPruefen(const Verbindung& v)
{
    Statement version(v, "PRAGMA cipher_version");
    if (!version.step() || version.column(0).toString().isEmpty())
        throw StoreError(StoreError::Art::OhneVerschluesselung, v.pfad);
    version.reset();
}

StoreError falscheForm(const QString& path, StoreError::Form form)
{
    return StoreError(StoreError::Art::FalscheForm, path).mitForm(form);
}

// The table must have the five fields, and every record the number the cursor finds it by.
void tabellePruefen(const Verbindung& v)
{
    // The first read decides whether the key fits; a wrong key gives SQLITE_NOTADB here.
    Statement art(v, "SELECT type FROM sqlite_master WHERE name = 'Gedenkbuch' COLLATE NOCASE");
    const QString typ = art.step() ? art.column(0).toString() : QString();
    art.reset();
    if (typ == QLatin1String("view"))
        throw falscheForm(v.pfad, StoreError::Form::Sicht);

    Statement spalten(v, "PRAGMA table_info(Gedenkbuch)");
    QStringList vorhanden;
    while (spalten.step())
        vorhanden << spalten.column(1).toString();
    for (const char* feld : feldnamen) {
        if (!vorhanden.contains(QString::fromLatin1(feld), Qt::CaseInsensitive))
            throw StoreError(StoreError::Art::TabelleFehlt, v.pfad).mitFeld(QString::fromLatin1(feld));
    }
    if (vorhanden.contains(QStringLiteral("rowid"), Qt::CaseInsensitive))
        throw falscheForm(v.pfad, StoreError::Form::NummernVerdeckt);
    sqlite3_stmt* nummern = nullptr;
    const int rc = sqlite3_prepare_v2(v.db, "SELECT rowid FROM Gedenkbuch LIMIT 0", -1, &nummern, nullptr);
    sqlite3_finalize(nummern);
    if (rc != SQLITE_OK)
        throw falscheForm(v.pfad, StoreError::Form::OhneNummern);
}

} // namespace

Store::Store(std::unique_ptr<Verbindung> verbindung, Kennung kennung)
    : verbindung_(std::move(verbindung)), kennung_(kennung)
{
}

Store::~Store() = default;

const QString& Store::pfad() const
{
    return verbindung_->pfad;
}

std::unique_ptr<Store> Store::open(const QString& path, Zugriff zugriff)
{
    const QFileInfo info(path);
    using Art = StoreError::Art;
    if (!info.exists())
        throw StoreError(Art::DateiFehlt, path);
    if (!info.isFile())
        throw StoreError(Art::KeineDatei, path);
    if (::access(QFile::encodeName(path).constData(), R_OK) != 0)
        throw StoreError(Art::NichtLesbar, path);
    if (info.size() == 0)
        throw StoreError(Art::LeereDatei, path);

    // Taken before the open: a file moved over the name meanwhile then counts as another than the
    // one open, and is opened afresh, instead of hiding behind the old one's identity.
    const std::optional<Kennung> datei = kennung(path);
    // Opened for writing also to read: only such a connection can take back what a killed writer
    // left half done; a write-protected file is opened for reading by the engine itself. Only one
    // thread uses a connection, so it needs no mutexes of its own.
    auto v = verbinden(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX);
    sqlite3_extended_result_codes(v->db, 1); // tells a failed read from a failed write
    // Another program's lock is waited for from the first read on, as every later access does.
    sqlite3_busy_timeout(v->db, wartezeitBeiSperreMs);
    schluesselSetzen(*v);
    sqlcipherPruefen(*v);
    if (zugriff == Zugriff::NurLesen)
        execute(*v, "PRAGMA query_only = 1");
    tabellePruefen(*v);
    execute(*v, seitenspeicher);
    return std::unique_ptr<Store>(new Store(std::move(v), datei.value_or(Kennung{})));
}

std::optional<Store::Kennung> Store::kennung(const QString& pfad)
{
    struct stat st {};
    if (::stat(QFile::encodeName(pfad).constData(), &st) != 0)
        return std::nullopt;
    return Kennung{quint64(st.st_dev), quint64(st.st_ino)};
}

bool Store::ersetzt() const
{
    return kennung(verbindung_->pfad) != kennung_;
}

void Store::create(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        const int nummer = errno;
        if (const std::optional<StoreError> vorhanden = nummer == EEXIST ? schonVorhanden(path) : std::nullopt)
            throw *vorhanden;
        throw StoreError(StoreError::Art::NichtAngelegt, path).mitSystemfehler(nummer);
    }
    ::close(fd);

    try {
        execute(*leerVerschluesselt(path), tabelleAnlegen);
    } catch (...) {
        ::unlink(name.constData());
        throw;
    }
}

std::unique_ptr<Verbindung> Store::leerVerschluesselt(const QString& pfad)
{
    auto v = verbinden(pfad, SQLITE_OPEN_READWRITE);
    schluesselSetzen(*v);
    sqlcipherPruefen(*v);
    return v;
}

std::optional<Datensatz> Store::lesen(qint64 id)
{
    if (!leser_)
        leser_ = std::make_unique<Statement>(
            *verbindung_, "SELECT Bezeichnung, tag, monat, jahr, Bemerkungen FROM Gedenkbuch WHERE rowid = ?1");
    Statement& satz = *leser_;
    satz.bindInt64(1, id);
    if (!satz.step())
        return std::nullopt;
    Datensatz d{id, {}};
    for (std::size_t i = 0; i < d.werte.size(); ++i)
        d.werte[i] = satz.column(int(i));
    satz.reset();
    return d;
}

bool Store::unveraendert(const Datensatz& gelesen)
{
    const std::optional<Datensatz> jetzt = lesen(gelesen.id);
    if (!jetzt)
        return false;
    for (std::size_t i = 0; i < gelesen.werte.size(); ++i) {
        const QVariant &vorher = gelesen.werte[i], &nun = jetzt->werte[i];
        if (vorher.typeId() != nun.typeId() || vorher != nun)
            return false;
    }
    return true;
}

bool Store::nameVergeben(const QString& name)
{
    // BINARY: a table another program made with a collation of its own still compares exactly.
    Statement suche(*verbindung_, "SELECT 1 FROM Gedenkbuch WHERE Bezeichnung = ?1 COLLATE BINARY LIMIT 1");
    suche.bind(1, name);
    const bool vergeben = suche.step();
    suche.reset();
    return vergeben;
}

QSet<QString> Store::namen()
{
    Statement alle(*verbindung_, "SELECT Bezeichnung FROM Gedenkbuch WHERE Bezeichnung IS NOT NULL");
    QSet<QString> namen;
    while (alle.step())
        namen.insert(alle.column(0).toString());
    return namen;
}

QStringList Store::pruefen(Pruefung art)
{
    Statement pruefung(*verbindung_, art == Pruefung::Schnell ? "PRAGMA quick_check" : "PRAGMA integrity_check");
    QStringList befunde;
    try {
        while (pruefung.step())
            befunde << pruefung.column(0).toString();
    } catch (const StoreError& fehler) {
        // A page the engine cannot even read is a finding, not a failure to check.
        if (fehler.art() != StoreError::Art::Beschaedigt)
            throw;
        befunde << QString::fromUtf8(sqlite3_errstr(fehler.angaben().code));
    }
    if (befunde == QStringList{QStringLiteral("ok")})
        befunde.clear();
    return befunde;
}

Lesezug::Lesezug(Store& store) : store_(store)
{
    execute(*store_.verbindung_, "BEGIN");
}

Lesezug::~Lesezug()
{
    sqlite3_exec(store_.verbindung_->db, "COMMIT", nullptr, nullptr, nullptr);
}

// Inside another transaction, one that holds the write lock already, a savepoint groups the writes:
// undone alone when it goes unfinished, stored with the outer transaction.
Transaktion::Transaktion(Store& store) : store_(store), innen_(sqlite3_get_autocommit(store.verbindung_->db) == 0)
{
    execute(*store_.verbindung_, innen_ ? "SAVEPOINT transaktion" : "BEGIN IMMEDIATE");
}

Transaktion::~Transaktion()
{
    if (offen_)
        sqlite3_exec(store_.verbindung_->db, innen_ ? "ROLLBACK TO transaktion; RELEASE transaktion" : "ROLLBACK",
                     nullptr, nullptr, nullptr);
}

void Transaktion::abschliessen()
{
    execute(*store_.verbindung_, innen_ ? "RELEASE transaktion" : "COMMIT");
    offen_ = false;
}

} // namespace store
