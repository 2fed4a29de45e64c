// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "adressbuch.h"

#include "exchange/satz.h"
#include "store/herkunft.h"

#include <QList>
#include <QSet>
#include <QStringList>
#include <optional>

namespace kontakte {

// A memory of the last run, checked against the book: the record that still holds exactly what
// the run wrote, none when the user changed or deleted that entry since.
struct Gemerkt {
    store::Herkunft herkunft;
    std::optional<qint64> imBuch;
};

// What a run does to the book and to its memory.
struct Schritt {
    enum class Art {
        Eintragen,    // a new entry from `satz`, remembered as `herkunft`
        Aendern,      // the entry `eintrag` gets the values of `satz`
        Entfernen,    // the entry `eintrag` goes, and so does its memory
        Vergessen,    // the memory goes, the entry stays in the book as the user left it
        VersionMerken // the same values in a newer version of the card
    };
    Art art;
    store::Herkunft herkunft;      // as it is to be remembered (Vergessen: the one to drop)
    store::Datensatz eintrag = {}; // Aendern, Entfernen: the record as it stands in the book
    exchange::Satz satz = {};
};

struct Plan {
    QList<Schritt> schritte;
    int neu = 0, geaendert = 0, entfernt = 0, unveraendert = 0, uebersprungen = 0;
    QStringList gruende; // each skipped card date and each entry kept as the book has it, and why
    // A card's date was refused for a name the book holds: once that entry is renamed or gone, the
    // card is to come in, so the next run asks again for the changes since the same point.
    bool namensgleich = false;
};

// The five values an entry gets from a card's date: the name, day, month, year or null, no remarks.
store::Datensatz werte(const exchange::Satz& satz);

// The pure rules of taking an address book into the book:
// - a changed card changes its entry while the entry still holds what was written; an entry the
//   user changed in the book wins, and is named;
// - a card, or a date of it, that is gone removes its entry while the entry is unchanged; otherwise
//   the entry stays and is named;
// - a new card's date becomes an entry under the import's rules, skipped with the reason where its
//   name is in the book already (`vergeben`), from anywhere but this very card.
Plan planen(const QList<Gemerkt>& gemerkt, const Stand& stand, QSet<QString> vergeben);

} // namespace kontakte
