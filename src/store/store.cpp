#include "store.h"

#include "schema.h"
#include "systemfehler.h"
#include "verbindung.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
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

// Closes a connection that is not handed over to a Store.
struct Offen {
    sqlite3* db = nullptr;
    ~Offen() { sqlite3_close_v2(db); }
    sqlite3* freigeben() { return std::exchange(db, nullptr); }
};

void schluesselSetzen(sqlite3* db)
{
    const int rc = sqlite3_key(db, passwort, int(std::strlen(passwort)));
    if (rc != SQLITE_OK)
        throw sqliteError(db, rc, QStringLiteral("Setzen des Kennworts"));
}

// Only a library that really is SQLCipher answers this pragma; a plain SQLite that shadows it
// would accept the key silently and write the data in plain text.
void sqlcipherPruefen(sqlite3* db)
{
    Statement version(db, "PRAGMA cipher_version");
    if (!version.step() || version.column(0).toString().isEmpty())
        throw StoreError(StoreError::Art::Sonstiges,
                         QStringLiteral("Die Verschlüsselung der Datenbank steht nicht zur Verfügung."));
    version.reset();
}

StoreError falscheForm(const QString& path, const QString& form)
{
    return {StoreError::Art::FalscheForm,
            QStringLiteral("Die Tabelle Gedenkbuch in der Datei %1 %2. Mit einer solchen Tabelle kann das Programm "
                           "nicht arbeiten.").arg(path, form)};
}

// The table must have the five fields, and every record the number the cursor finds it by.
void tabellePruefen(sqlite3* db, const QString& path)
{
    // The first read decides whether the key fits; a wrong key gives SQLITE_NOTADB here.
    Statement art(db, "SELECT type FROM sqlite_master WHERE name = 'Gedenkbuch' COLLATE NOCASE");
    const QString typ = art.step() ? art.column(0).toString() : QString();
    art.reset();
    if (typ == QLatin1String("view"))
        throw falscheForm(path, QStringLiteral("ist eine Sicht und keine Tabelle"));

    Statement spalten(db, "PRAGMA table_info(Gedenkbuch)");
    QStringList vorhanden;
    while (spalten.step())
        vorhanden << spalten.column(1).toString();
    for (const char* feld : feldnamen) {
        if (!vorhanden.contains(QString::fromLatin1(feld), Qt::CaseInsensitive))
            throw StoreError(StoreError::Art::TabelleFehlt,
                             QStringLiteral("Die Datei %1 enthält keine Tabelle Gedenkbuch mit dem Feld %2.")
                                 .arg(path, QString::fromLatin1(feld)));
    }
    if (vorhanden.contains(QStringLiteral("rowid"), Qt::CaseInsensitive))
        throw falscheForm(path, QStringLiteral("hat ein eigenes Feld rowid, das die Nummern der Einträge verdeckt"));
    sqlite3_stmt* nummern = nullptr;
    const int rc = sqlite3_prepare_v2(db, "SELECT rowid FROM Gedenkbuch LIMIT 0", -1, &nummern, nullptr);
    sqlite3_finalize(nummern);
    if (rc != SQLITE_OK)
        throw falscheForm(path, QStringLiteral("ist ohne Nummern für ihre Einträge angelegt (WITHOUT ROWID)"));
}

} // namespace

Store::Store(std::unique_ptr<Verbindung> verbindung, const QString& pfad)
    : verbindung_(std::move(verbindung)), pfad_(pfad)
{
}

Store::~Store() = default;

std::unique_ptr<Store> Store::open(const QString& path, Zugriff zugriff)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw StoreError(StoreError::Art::DateiFehlt, QStringLiteral("Die Datei %1 gibt es nicht.").arg(path));
    if (!info.isFile())
        throw StoreError(StoreError::Art::KeineDatenbank,
                         QStringLiteral("Unter dem Namen %1 liegt ein Ordner und keine Datei.").arg(path));
    if (::access(QFile::encodeName(path).constData(), R_OK) != 0)
        throw StoreError(StoreError::Art::NichtLesbar,
                         QStringLiteral("Die Datei %1 darf nicht gelesen werden; es fehlt die Berechtigung.").arg(path));
    if (info.size() == 0)
        throw StoreError(StoreError::Art::KeineDatenbank,
                         QStringLiteral("Die Datei %1 ist leer und damit keine Datenbank dieses Programms.").arg(path));

    Offen v;
    const QByteArray name = QFile::encodeName(path);
    // Opened for writing also to read: only such a connection can take back what a killed writer
    // left half done; a write-protected file is opened for reading by the engine itself. Only one
    // thread uses a connection, so it needs no mutexes of its own.
    const int rc = sqlite3_open_v2(name.constData(), &v.db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK)
        throw sqliteError(v.db, rc, QStringLiteral("Öffnen der Datei"));
    sqlite3_extended_result_codes(v.db, 1); // tells a failed read from a failed write
    // Another program's lock is waited for from the first read on, as every later access does.
    sqlite3_busy_timeout(v.db, wartezeitBeiSperreMs);
    schluesselSetzen(v.db);
    sqlcipherPruefen(v.db);
    if (zugriff == Zugriff::NurLesen)
        execute(v.db, "PRAGMA query_only = 1");
    tabellePruefen(v.db, path);
    execute(v.db, seitenspeicher);
    return std::unique_ptr<Store>(new Store(std::make_unique<Verbindung>(v.freigeben()), path));
}

void Store::create(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        if (errno == EEXIST && !schonVorhanden(path).isEmpty())
            throw StoreError(StoreError::Art::Vorhanden, schonVorhanden(path));
        throw StoreError(StoreError::Art::Sonstiges,
                         QStringLiteral("Die Datei %1 kann nicht angelegt werden: %2.").arg(path, systemfehler(errno)));
    }
    ::close(fd);

    try {
        execute(leerVerschluesselt(path)->db, tabelleAnlegen);
    } catch (...) {
        ::unlink(name.constData());
        throw;
    }
}

std::unique_ptr<Verbindung> Store::leerVerschluesselt(const QString& pfad)
{
    Offen v;
    const int rc = sqlite3_open_v2(QFile::encodeName(pfad).constData(), &v.db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK)
        throw sqliteError(v.db, rc, QStringLiteral("Anlegen der Datei"));
    schluesselSetzen(v.db);
    sqlcipherPruefen(v.db);
    return std::make_unique<Verbindung>(v.freigeben());
}

QStringList Store::pruefen(Pruefung art)
{
    Statement pruefung(verbindung_->db, art == Pruefung::Schnell ? "PRAGMA quick_check" : "PRAGMA integrity_check");
    QStringList befunde;
    try {
        while (pruefung.step())
            befunde << pruefung.column(0).toString();
    } catch (const StoreError& fehler) {
        // A page the engine cannot even read is a finding, not a failure to check.
        if (fehler.art() != StoreError::Art::Beschaedigt)
            throw;
        befunde << fehler.meldung();
    }
    if (befunde == QStringList{QStringLiteral("ok")})
        befunde.clear();
    return befunde;
}

Transaktion::Transaktion(Store& store) : store_(store)
{
    execute(store_.verbindung_->db, "BEGIN IMMEDIATE");
}

Transaktion::~Transaktion()
{
    if (offen_)
        sqlite3_exec(store_.verbindung_->db, "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaktion::abschliessen()
{
    execute(store_.verbindung_->db, "COMMIT");
    offen_ = false;
}

} // namespace store
