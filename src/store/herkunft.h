// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "schema.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace store {

class Store;

// What the contact import remembers of an address book, in tables of their own beside
// Gedenkbuch in the same file: which card made which entry, and the five values it wrote there.
// Gedenkbuch keeps its five fields, so a program that writes only that table still works; the
// record a memory names is a hint, and an entry counts as the card's only while a record holds
// exactly what was written.
struct Herkunft {
    qint64 nummer = 0;     // of the memory itself; 0 for one not yet stored
    QString karte;         // the card's resource name in the address book
    int anlass = 0;        // which date of the card: birthday, wedding day, day of death
    QByteArray etag;       // the card's version that was read
    qint64 eintrag = 0;    // the record it was found in last
    Datensatz geschrieben; // the five values written
};

class Herkunftsbuch {
public:
    explicit Herkunftsbuch(Store& store);

    // Whether the tables are there; a book that never took contacts has none.
    bool vorhanden();
    // Makes the tables where they are missing; inside the caller's transaction.
    void anlegen();

    QList<Herkunft> lesen(const QString& adressbuch);
    std::optional<QString> token(const QString& adressbuch);
    void tokenSetzen(const QString& adressbuch, const QString& token);
    // Stores a memory, a new one when its `nummer` is 0; gives its number.
    qint64 merken(const QString& adressbuch, const Herkunft& herkunft);
    void vergessen(qint64 nummer);

    // The record that holds exactly these five values: the one named first, else any. None when no
    // record does, because the entry was changed or deleted in the book.
    std::optional<qint64> finden(const Datensatz& werte, qint64 zuerst);

private:
    Store& store_;
};

} // namespace store
