// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Inside the store only: the state behind a Cursor, shared by its reading and its writing half.
#include "cursor.h"
#include "sqlite.h"

#include <limits>
#include <vector>

namespace store {

struct Cursor::Innen {
    enum class Lage { Keine, AufDatensatz, Geloescht, Ende };
    enum class Bearbeitung { Keine, Neu, Aendern };

    Innen(const Verbindung& verbindung, Umfang umfang);
    // Reads up to `anzahl` records numbered from `abId` on into the buffer.
    void laden(qint64 abId, qint64 anzahl);
    const Datensatz& aktueller() const;
    // The first record numbered above `nach` that can be reached past damaged pages, if any;
    // throws for any other failure than damage.
    std::optional<qint64> naechsteLesbare(qint64 nach);

    const Verbindung& verbindung;
    Statement lesen;
    Statement einfuegen;
    Statement aendern;
    Statement loeschen;
    Statement naechster;

    std::vector<Datensatz> puffer;
    std::optional<StoreError> ausstehend; // the failure that ended the last batch, after its records
    qint64 zuletztGelesen = std::numeric_limits<qint64>::min();
    std::size_t pos = 0;
    bool pufferVoll = false;
    Lage lage = Lage::Keine;

    Bearbeitung bearbeitung = Bearbeitung::Keine;
    Datensatz neu;
    std::array<bool, feldnamen.size()> geschrieben{};
    std::optional<qint64> zuletztGespeichert;
};

} // namespace store
