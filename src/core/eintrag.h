// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "store/schema.h"

#include <QDate>
#include <QString>
#include <optional>

namespace core {

// Names are counted in characters, not in UTF-16 units: an emoji is one character.
qsizetype zeichenzahl(QStringView text);

// The entry dialog takes names of up to 50 characters for a new entry. An import takes names of up
// to 255 characters; a longer one is no name a person would keep for an anniversary.
inline constexpr int bezeichnungImDialog = 50;
inline constexpr int laengsteBezeichnung = 255;

// Whether some year has this day in this month. 29 February does (in leap years); an entry on a
// day that no year has would never be reminded.
inline bool gibtEsDenTag(int tag, int monat)
{
    return QDate::isValid(2000, monat, tag);
}

// One entry of the table Gedenkbuch as the program shows it.
struct Eintrag {
    qint64 id = 0;
    QString Bezeichnung;
    qint16 tag = 0;
    qint16 monat = 0;
    std::optional<qint16> jahr; // none without a year, or with a year beyond 16 bits
    QString Bemerkungen;
};

// A record as an entry. A record that the program could not have written itself (no name, no day
// or month that is a 16-bit number) gives none: the walks skip it and go on, so one such record
// never hides the entries behind it.
std::optional<Eintrag> eintragLesen(const store::Datensatz& satz);

// A save: the fields it writes, each typed. A field left out keeps what is stored (in a new
// record: null); a year or remarks set to none are removed.
struct Aenderung {
    std::optional<QString> Bezeichnung = {};
    std::optional<int> tag = {};
    std::optional<int> monat = {};
    std::optional<std::optional<int>> jahr = {};
    std::optional<std::optional<QString>> Bemerkungen = {};
};

} // namespace core
