// The online backup of an open daten.mdb into a new file.
#include "store.h"

#include "verbindung.h"

#include <QDeadlineTimer>
#include <QFile>

#include <unistd.h>

namespace store {

namespace {

// Copies every page of `quelle` into `ziel` in one step, so the copy is one consistent state of
// the file even while another program writes: the step holds a read lock on the source and waits
// while a writer commits.
void seitenKopieren(sqlite3* quelle, sqlite3* ziel)
{
    sqlite3_backup* sicherung = sqlite3_backup_init(ziel, "main", quelle, "main");
    if (!sicherung)
        throw sqliteError(ziel, sqlite3_errcode(ziel), QStringLiteral("Sichern"));
    const QDeadlineTimer frist(wartezeitBeiSperreMs);
    int rc = sqlite3_backup_step(sicherung, -1);
    while ((rc == SQLITE_BUSY || rc == SQLITE_LOCKED) && !frist.hasExpired()) {
        sqlite3_sleep(20);
        rc = sqlite3_backup_step(sicherung, -1);
    }
    sqlite3_backup_finish(sicherung);
    const bool schreibfehler = rc == SQLITE_FULL
        || ((rc & 0xff) == SQLITE_IOERR && rc != SQLITE_IOERR_READ && rc != SQLITE_IOERR_SHORT_READ);
    if (schreibfehler)
        throw StoreError(StoreError::Art::DatentraegerVoll,
                         QStringLiteral("Die Sicherung konnte nicht geschrieben werden. Vielleicht ist der Datenträger voll."));
    if (rc != SQLITE_DONE)
        throw sqliteError(nullptr, rc, QStringLiteral("Sichern"));
}

} // namespace

void Store::sichern(const QString& ziel)
{
    // A new file keyed like this one and readable by its owner only; an existing one stays.
    create(ziel);
    try {
        const auto kopie = open(ziel);
        seitenKopieren(verbindung_->db, kopie->verbindung_->db);
        const QStringList befunde = kopie->pruefen(Pruefung::Gruendlich);
        if (!befunde.isEmpty())
            throw StoreError(StoreError::Art::Beschaedigt,
                             QStringLiteral("Die Sicherung %1 ist fehlerhaft (%2) und wurde wieder gelöscht.")
                                 .arg(ziel, befunde.constFirst()));
    } catch (...) {
        ::unlink(QFile::encodeName(ziel).constData());
        throw;
    }
}

} // namespace store
