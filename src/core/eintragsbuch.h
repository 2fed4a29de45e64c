// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "durchlauf.h"
#include "eintrag.h"
#include "tage.h"
#include "zeile.h"

#include <QList>
#include <optional>

namespace store {
class Cursor;
class Store;
} // namespace store

namespace core {

// The entries of the table: what the windows read and write. Lists come from walks of the one
// cursor; one entry and one name are asked of the store directly. Every failure of the store
// throws StoreError unless a walk gives it back.
class Eintragsbuch {
public:
    Eintragsbuch(store::Store& store, store::Cursor& cursor) : store_(store), cursor_(cursor) {}

    // The main window's lists from one walk: a line per entry for the full list (in store order;
    // the list sorts them) and the lines of the nine days from today.
    struct Fenster {
        QDate heute;
        QList<Zeile> voll;
        Tageslisten tage;
        Durchlauf durchlauf;
    };
    Fenster fenster(QDate heute);

    struct Bestand {
        QList<Eintrag> eintraege; // store order, as the walk rule admits them
        Durchlauf durchlauf;
    };
    // Every entry with its remarks; the cursor must read them.
    Bestand alle();

    // An entry as the window reads it: to show, and its record exactly as stored, by which a
    // change or a delete makes sure it acts on the record the user saw.
    struct Gelesen {
        Eintrag eintrag;
        store::Datensatz satz;
    };
    // The entry with this identity. Throws Art::EintragWeg when it is gone, Art::KeinEintrag when it
    // is no longer an entry the program shows.
    Gelesen lesen(qint64 id);

    // Whether an entry has exactly this name, upper and lower case distinguished.
    bool nameVergeben(const QString& name);

    // Adds a record (none read), or changes the record read as `gelesen`; gives the stored record's
    // identity. Nothing is stored when it throws. A record is changed or deleted only while it
    // still holds what was read of it, checked in the write's own transaction: a number another
    // program gave to a new entry since, after deleting the one read, never takes the change.
    // Otherwise the error is Art::Veraendert.
    qint64 speichern(const std::optional<store::Datensatz>& gelesen, const Aenderung& aenderung);
    void loeschen(const store::Datensatz& gelesen);

    struct Suchergebnis {
        QList<Zeile> treffer;
        Durchlauf durchlauf;
    };
    // Entries whose name contains the term (upper and lower case distinct), and entries whose month
    // is the term's numeric value, as list lines in store order; an entry that matches both ways
    // stands twice, its name line first.
    Suchergebnis suchen(const QString& begriff, int bezugsjahr);

private:
    store::Store& store_;
    store::Cursor& cursor_;
    qsizetype letzteAnzahl_ = 0; // lines of the last walk: the next list is reserved at once
};

} // namespace core
