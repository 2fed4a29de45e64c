// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <optional>
#include <stdexcept>

namespace exchange {

// Which date of a card a record is: its birthday, wedding day or day of death.
enum class Anlass { Geburtstag, Hochzeitstag, Todestag };

// One record as a file gives it, before the program's rules are applied. `stelle` is the card
// (vCard) or the line (CSV) it comes from, counted from 1; a missing day or month is 0.
struct Satz {
    int stelle = 0;
    QString name;
    int tag = 0;
    int monat = 0;
    std::optional<int> jahr;
    QString bemerkungen;
    Anlass anlass = Anlass::Geburtstag;
};

// Why a record is not taken, or what befell one that is taken.
enum class Grund {
    OhneBezeichnung,
    ZuLang,
    OhneTagOderMonat,
    TagGibtEsNicht,      // `tag` and `monat`
    SchonImBuch,         // the name is taken in the book
    SchonInDatei,        // an earlier record of the file, at `frueher`, took the name
    OhneNamen,           // a card with neither FN nor N nor NICKNAME
    OhneDatum,           // a card without any date: nothing to take, rather than something refused
    DatumAlsText,        // the date `wert` is declared as text
    DatumUnvollstaendig, // the date `wert` lacks the day or the month
    DatumUnlesbar,       // `wert` is no date
    KeineGanzeZahl,      // `wert` in a column of numbers
    SteuerzeichenEntfernt,
};

// A record that is not taken, with its reason and what the reason concerns; also a record that is
// taken with a remark.
struct Auslassung {
    int stelle = 0;
    QString name{};
    Grund grund = Grund::OhneBezeichnung;
    QString spalte{}; // the value's column as the file names it; empty for a card's date of `anlass`
    Anlass anlass = Anlass::Geburtstag;
    QString wert{}; // as the file gives it
    int tag = 0;
    int monat = 0;
    int frueher = 0;
};

struct Gelesen {
    enum class Quelle { Karte, Zeile } quelle = Quelle::Karte;
    QList<Satz> saetze;
    QList<Auslassung> auslassungen;
    QList<Auslassung> hinweise; // records whose text lost control characters, still taken
};

// A file that is refused as a whole; nothing of it is taken. exchange::meldung says why in German.
class Abweisung : public std::runtime_error {
public:
    enum class Art {
        DateiFehlt,
        KeineDatei,
        ZuGross,   // of `groesse` bytes
        Unlesbar,  // `wert`: the system's reason
        Gewachsen, // beyond the limit while it was read
        Utf16,
        KeinText,
        Leer,
        UnbekannteKodierung, // neither UTF-8 nor Windows-1252
        GemischteKodierung,  // UTF-8 and, from `zeile` on, other bytes
        KeineNamensspalte,
        KeineDatumsspalte,
        AnfuehrungOffen,      // a quote opened in `zeile` is never closed
        KodierungUnbekannt,   // `karte` uses the ENCODING `wert`
        ZeichensatzUnbekannt, // `karte` uses the CHARSET `wert`
        KarteUnlesbar,        // `karte` holds bytes in neither UTF-8 nor Windows-1252
        KarteUnvollstaendig,  // `karte` has no END:VCARD, and the next one begins in `zeile`
        EndeOhneBeginn,       // END:VCARD in `zeile`
        AusserhalbKarte,      // `zeile` stands outside the cards
        EndetInKarte,         // the file ends inside `karte`
    };

    explicit Abweisung(Art art) : std::runtime_error("exchange::Abweisung"), art(art) {}
    Abweisung& beiKarte(int nummer)
    {
        karte = nummer;
        return *this;
    }
    Abweisung& inZeile(int nummer)
    {
        zeile = nummer;
        return *this;
    }
    Abweisung& mitWert(const QString& text)
    {
        wert = text;
        return *this;
    }
    Abweisung& mitGroesse(qint64 bytes)
    {
        groesse = bytes;
        return *this;
    }

    Art art;
    int karte = 0;
    int zeile = 0;
    QString wert;
    qint64 groesse = 0;
};

} // namespace exchange
