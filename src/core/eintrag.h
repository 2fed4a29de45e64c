#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace store {
class Cursor;
}

namespace core {

// A year the entry dialogs store: 1001 to 9999.
constexpr bool istJahr(int jahr)
{
    return jahr > 1000 && jahr < 10000;
}

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

// One entry of the table Gedenkbuch as the lists show it.
struct Eintrag {
    qint64 id = 0;
    QString Bezeichnung;
    qint16 tag = 0;
    qint16 monat = 0;
    std::optional<qint16> jahr; // none without a year, or with a year beyond 16 bits
    QString Bemerkungen;
};

// The record under the cursor. A record that the program could not have written itself (no name,
// no day or month that is a 16-bit number) gives none: the walks skip it and go on, so one such
// record never hides the entries behind it.
std::optional<Eintrag> eintragLesen(const store::Cursor& cursor);

// The five fields of one record as the detail panel shows them: as stored, each as text.
struct Feldtexte {
    qint64 id = 0;
    QString Bezeichnung;
    QString tag;
    QString monat;
    std::optional<QString> jahr;
    std::optional<QString> Bemerkungen;
};

Feldtexte feldtexteLesen(const store::Cursor& cursor);

} // namespace core
