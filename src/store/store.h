#pragma once

#include <QString>
#include <QStringList>
#include <memory>

namespace store {

// The database file is opened by its bare name, so it is looked up in the working directory.
inline const QString dateiname = QStringLiteral("daten.mdb");

class Verbindung;

// An open daten.mdb: an SQLCipher file keyed with the program's password that holds the table
// Gedenkbuch. Opening never creates or changes a file.
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
    friend class Transaktion;
    Store(std::unique_ptr<Verbindung> verbindung, const QString& pfad);
    // A connection keyed with the program's password on an empty file that exists already.
    static std::unique_ptr<Verbindung> leerVerschluesselt(const QString& pfad);

    std::unique_ptr<Verbindung> verbindung_;
    QString pfad_; // as the caller named the file
};

// Groups writes into one transaction: all of them are stored by abschliessen(), none of them when
// the object goes before that.
class Transaktion {
public:
    explicit Transaktion(Store& store);
    ~Transaktion();
    Transaktion(const Transaktion&) = delete;
    Transaktion& operator=(const Transaktion&) = delete;
    void abschliessen();

private:
    Store& store_;
    bool offen_ = true;
};

} // namespace store
