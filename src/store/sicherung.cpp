// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The online backup of an open daten.mdb into a new file.
#include "store.h"

#include "neuedatei.h"
#include "verbindung.h"

#include <QDeadlineTimer>

namespace store {

namespace {

// Copies every page of `quelle` into `ziel` in one step, so the copy is one consistent state of
// the file even while another program writes: the step holds a read lock on the source and waits
// while a writer commits.
void seitenKopieren(sqlite3* quelle, sqlite3* ziel, const QString& quellname)
{
    sqlite3_backup* sicherung = sqlite3_backup_init(ziel, "main", quelle, "main");
    if (!sicherung)
        throw sqliteError(ziel, quellname, sqlite3_errcode(ziel), StoreError::Vorgang::Sichern);
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
        throw StoreError(StoreError::Art::Schreibfehler, quellname).beim(StoreError::Vorgang::Sichern).mitCode(rc);
    // A page of the source that does not decrypt fails the step as a plain error: the copy is new
    // and keyed like the source, so whatever cannot be read lies in the source.
    if (rc == SQLITE_ERROR || rc == SQLITE_CORRUPT || rc == SQLITE_NOTADB)
        throw StoreError(StoreError::Art::Beschaedigt, quellname).beim(StoreError::Vorgang::Sichern).mitCode(rc);
    if (rc != SQLITE_DONE)
        throw sqliteError(nullptr, quellname, rc, StoreError::Vorgang::Sichern);
}

} // namespace

void Store::sichern(const QString& ziel)
{
    // The copy is made and checked under a temporary name and takes its own name only when sound.
    NeueDatei datei(ziel);
    {
        const auto kopie = leerVerschluesselt(datei.teilpfad());
        seitenKopieren(verbindung_->db, kopie->db, pfad());
    }
    // The copy holds the same pages as the source: what the check finds in it lies in the source.
    if (!open(datei.teilpfad())->pruefen(Pruefung::Gruendlich).isEmpty())
        throw StoreError(StoreError::Art::Beschaedigt, pfad()).beim(StoreError::Vorgang::KopiePruefen);
    datei.fertigstellen();
}

} // namespace store
