// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "schema.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

namespace store {

// The database file is opened by its bare name, so it is looked up in the working directory.
inline const QString dateiname = QStringLiteral("daten.mdb");

class Statement;
class Verbindung;

// An open daten.mdb: an SQLCipher file keyed with the program's password that holds the table
// Gedenkbuch. Opening never creates or changes a file. Every failure throws StoreError, which
// names the file as the caller named it.
class Store {
public:
    // NurLesen opens the file as any program does, so that the engine can take back a write that a
    // killed program left half done (a hot journal), and then refuses every change.
    enum class Zugriff { Schreiben, NurLesen };

    // Throws StoreError for a missing, empty or foreign file, a wrong key and a missing table.
    static std::unique_ptr<Store> open(const QString& path, Zugriff zugriff = Zugriff::Schreiben);
    // Creates a new file, readable by its owner only, with the empty table. Refuses to touch
    // anything that already exists at `path`.
    static void create(const QString& path);

    const QString& pfad() const;

    // The record with this number; none when there is no such record.
    std::optional<Datensatz> lesen(qint64 id);
    // Whether the record numbered `gelesen.id` still holds exactly the five values of `gelesen`,
    // each of the same kind: an integer is no real, a text no blob. Inside a Transaktion nobody
    // else can write, so the answer holds until it ends.
    bool unveraendert(const Datensatz& gelesen);
    // Whether a record holds exactly this name, upper and lower case distinguished. A record that
    // could not be read throws, so a name is never taken as free by mistake.
    bool nameVergeben(const QString& name);
    // The names of every record; throws when a record could not be read.
    QSet<QString> namen();
    // A number that changes whenever another program committed a change to the file since the
    // last look, and never for this store's own writes. None when the file cannot be looked at
    // just now, as under another program's write lock: the look never waits.
    std::optional<qint64> datenstand();
    // Whether the path now names another file than the one open, or none: another file was moved
    // over it, or it was deleted, and perhaps made anew. Writes to the open file would be lost.
    bool ersetzt() const;

    enum class Pruefung { Schnell, Gruendlich };
    // The engine's check of the file's structure: quick_check, or integrity_check, which also
    // compares every index with its table. Gives its findings, none when the file is sound.
    // Throws StoreError when the check cannot run, as under another program's lock.
    QStringList pruefen(Pruefung art = Pruefung::Schnell);

    // Writes a consistent copy of the open file to a new file at `ziel` through the engine's
    // online backup, safe while another program writes: same key, readable by its owner only,
    // checked with integrity_check. Refuses an existing file; on any failure, a kill included, no
    // file is left under the name `ziel`.
    void sichern(const QString& ziel);

    ~Store();
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

private:
    friend class Cursor;
    friend class Herkunftsbuch;
    friend class Lesezug;
    friend class Transaktion;
    struct Kennung {
        quint64 geraet = 0;
        quint64 knoten = 0;
        bool operator==(const Kennung&) const = default;
    };
    Store(std::unique_ptr<Verbindung> verbindung, Kennung kennung);
    // Device and inode of the file at `pfad`; none when there is none.
    static std::optional<Kennung> kennung(const QString& pfad);
    // A connection keyed with the program's password on an empty file that exists already.
    static std::unique_ptr<Verbindung> leerVerschluesselt(const QString& pfad);

    std::unique_ptr<Verbindung> verbindung_;
    Kennung kennung_;                  // of the file as it was opened
    std::unique_ptr<Statement> leser_; // prepared once: an export reads every record by its number
};

// Reads under one read transaction while it lives: many reads of single records then check the
// file once, not each time. Another program cannot write meanwhile, so keep it short.
class Lesezug {
public:
    explicit Lesezug(Store& store);
    ~Lesezug();
    Lesezug(const Lesezug&) = delete;
    Lesezug& operator=(const Lesezug&) = delete;

private:
    Store& store_;
};

// Groups writes into one transaction: all of them are stored by abschliessen(), none of them when
// the object goes before that. Opened inside another one, it is a part of that one that is undone
// on its own.
class Transaktion {
public:
    explicit Transaktion(Store& store);
    ~Transaktion();
    Transaktion(const Transaktion&) = delete;
    Transaktion& operator=(const Transaktion&) = delete;
    void abschliessen();

private:
    Store& store_;
    bool innen_; // inside another one, as a savepoint
    bool offen_ = true;
};

} // namespace store
