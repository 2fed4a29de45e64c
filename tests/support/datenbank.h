// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/eintrag.h"
#include "store/store.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <optional>

// Entries as a test writes them: what a save writes, a field left out stays null.
using Eintraege = QList<core::Aenderung>;

// A fresh daten.mdb made by the program's own store in a temporary folder, which is also the
// working directory while the object lives.
class Testdatenbank {
public:
    Testdatenbank();
    ~Testdatenbank();

    QString pfad() const { return ordner_.filePath(store::dateiname); }
    QString ordner() const { return ordner_.path(); }
    std::unique_ptr<store::Store> oeffnen() const { return store::Store::open(pfad()); }

    // Adds entries through the cursor, in this order; gives their identities.
    QList<qint64> hinzufuegen(const Eintraege& eintraege) const;
    // Adds "E1" to "E<anzahl>", one a day, in one transaction.
    void fuellen(int anzahl) const;
    // Every record in store order as "Bezeichnung|tag|monat|jahr|Bemerkungen", "-" for null.
    QStringList saetze() const;

private:
    QTemporaryDir ordner_;
    QString vorherigerOrdner_;
};

// Another program on a database file, through the engine itself: it writes what the program
// never would and holds locks. Empty error text means success.
class Fremdzugriff {
public:
    explicit Fremdzugriff(const QString& pfad, const char* schluessel = GEDENKBUCH_KENNWORT);
    ~Fremdzugriff();
    QString sql(const QString& befehle);
    // The first column of the first row of a query, as text.
    QString wert(const QString& abfrage);

private:
    struct sqlite3* db_ = nullptr;
};

QByteArray dateiinhalt(const QString& pfad);
// Writes a file whole; false when that failed.
bool schreiben(const QString& pfad, const QByteArray& inhalt);
// Overwrites `anzahl` bytes in the middle of a file, as a failing disk would.
bool beschaedigen(const QString& pfad, qint64 anzahl = 16, double stelle = 0.5);
