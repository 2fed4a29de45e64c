// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cursor_innen.h"

#include "verbindung.h"

namespace store {

namespace {

constexpr qint64 pufferGroesse = 512;

const char* lesenSql(Cursor::Umfang umfang)
{
    return umfang == Cursor::Umfang::Alles
        ? "SELECT rowid, Bezeichnung, tag, monat, jahr, Bemerkungen FROM Gedenkbuch WHERE rowid >= ?1 ORDER BY rowid LIMIT ?2"
        : "SELECT rowid, Bezeichnung, tag, monat, jahr FROM Gedenkbuch WHERE rowid >= ?1 ORDER BY rowid LIMIT ?2";
}

} // namespace

Cursor::Innen::Innen(const Verbindung& verbindung, Umfang umfang)
    : verbindung(verbindung), lesen(verbindung, lesenSql(umfang)),
      einfuegen(verbindung,
                "INSERT INTO Gedenkbuch (Bezeichnung, tag, monat, jahr, Bemerkungen) VALUES (?1, ?2, ?3, ?4, ?5)"),
      // Only the fields written since Edit are changed; the others keep what is stored now.
      aendern(verbindung,
              "UPDATE Gedenkbuch SET "
              "Bezeichnung = CASE WHEN ?1 THEN ?2 ELSE Bezeichnung END, "
              "tag = CASE WHEN ?3 THEN ?4 ELSE tag END, "
              "monat = CASE WHEN ?5 THEN ?6 ELSE monat END, "
              "jahr = CASE WHEN ?7 THEN ?8 ELSE jahr END, "
              "Bemerkungen = CASE WHEN ?9 THEN ?10 ELSE Bemerkungen END "
              "WHERE rowid = ?11"),
      loeschen(verbindung, "DELETE FROM Gedenkbuch WHERE rowid = ?1"),
      naechster(verbindung, "SELECT rowid FROM Gedenkbuch WHERE rowid > ?1 ORDER BY rowid LIMIT 1")
{
}

void Cursor::Innen::laden(qint64 abId, qint64 anzahl)
{
    puffer.clear();
    puffer.reserve(std::size_t(anzahl));
    pos = 0;
    ausstehend.reset();
    lesen.bindInt64(1, abId);
    lesen.bindInt64(2, anzahl);
    try {
        // Fields the statement does not read (the remarks of a lean walk) stay null.
        const int spalten = lesen.spalten();
        while (lesen.step()) {
            Datensatz satz{lesen.columnInt64(0), {}};
            for (std::size_t i = 0; i < satz.werte.size() && int(i) + 1 < spalten; ++i)
                satz.werte[i] = lesen.column(int(i) + 1);
            puffer.push_back(std::move(satz));
            zuletztGelesen = puffer.back().id;
        }
    } catch (const StoreError& fehler) {
        // The records read before the failure are handed out first; the failure comes after them.
        if (puffer.empty())
            throw;
        ausstehend = fehler;
    }
    pufferVoll = qint64(puffer.size()) == anzahl;
}

std::optional<qint64> Cursor::Innen::naechsteLesbare(qint64 nach)
{
    enum class Befund { Gefunden, Keiner, Beschaedigt };
    qint64 gefunden = 0;
    const auto versuch = [&](qint64 ab) {
        try {
            naechster.bindInt64(1, ab);
            const bool da = naechster.step();
            if (da)
                gefunden = naechster.columnInt64(0);
            naechster.reset();
            return da ? Befund::Gefunden : Befund::Keiner;
        } catch (const StoreError& fehler) {
            if (fehler.art() != StoreError::Art::Beschaedigt)
                throw;
            return Befund::Beschaedigt;
        }
    };
    // A search for numbers above a damaged page's last one passes it. Widen the step until a
    // search gets through, then narrow it down, so no readable record behind the damage is missed.
    // Record numbers span all 64 bits, so distances are counted without sign; both loops end after
    // at most 64 searches each, also when the damage reaches the end of the table.
    constexpr qint64 oben = std::numeric_limits<qint64>::max();
    const auto abstand = [](qint64 von, qint64 bis) { return quint64(bis) - quint64(von); };
    qint64 schlecht = nach; // a search above it meets the damage
    qint64 gut = nach;
    for (quint64 schritt = 1;; schritt *= 2) {
        if (schlecht == oben)
            return std::nullopt;
        gut = abstand(schlecht, oben) <= schritt ? oben : qint64(quint64(schlecht) + schritt);
        if (versuch(gut) != Befund::Beschaedigt)
            break;
        schlecht = gut;
    }
    while (abstand(schlecht, gut) > 1) {
        const qint64 mitte = qint64(quint64(schlecht) + abstand(schlecht, gut) / 2);
        (versuch(mitte) == Befund::Beschaedigt ? schlecht : gut) = mitte;
    }
    return versuch(gut) == Befund::Gefunden ? std::optional(gefunden) : std::nullopt;
}

const Datensatz& Cursor::Innen::aktueller() const
{
    if (lage != Lage::AufDatensatz)
        throw StoreError(StoreError::Art::KeinAktuellerDatensatz);
    return puffer[pos];
}

Cursor::Cursor(Store& store, Umfang umfang) : d_(std::make_unique<Innen>(*store.verbindung_, umfang)) {}

Cursor::~Cursor() = default;

bool Cursor::Eof() const
{
    return d_->lage == Innen::Lage::Ende;
}

bool Cursor::MoveFirst()
{
    d_->bearbeitung = Innen::Bearbeitung::Keine;
    d_->lage = Innen::Lage::Keine;
    d_->zuletztGelesen = std::numeric_limits<qint64>::min();
    d_->laden(std::numeric_limits<qint64>::min(), pufferGroesse);
    d_->lage = d_->puffer.empty() ? Innen::Lage::Ende : Innen::Lage::AufDatensatz;
    return !d_->puffer.empty();
}

void Cursor::MoveNext()
{
    Innen& d = *d_;
    if (d.lage != Innen::Lage::AufDatensatz && d.lage != Innen::Lage::Geloescht)
        throw StoreError(StoreError::Art::KeinAktuellerDatensatz);
    d.bearbeitung = Innen::Bearbeitung::Keine;
    ++d.pos;
    if (d.pos < d.puffer.size()) {
        d.lage = Innen::Lage::AufDatensatz;
        return;
    }
    if (d.ausstehend) {
        d.lage = Innen::Lage::Keine;
        throw *std::exchange(d.ausstehend, std::nullopt);
    }
    const qint64 letzteId = d.puffer.back().id;
    if (d.pufferVoll && letzteId < std::numeric_limits<qint64>::max())
        d.laden(letzteId + 1, pufferGroesse);
    else
        d.puffer.clear();
    d.lage = d.puffer.empty() ? Innen::Lage::Ende : Innen::Lage::AufDatensatz;
}

bool Cursor::MoveNextBehindDamage()
{
    Innen& d = *d_;
    d.bearbeitung = Innen::Bearbeitung::Keine;
    d.lage = Innen::Lage::Ende;
    d.puffer.clear();
    // Every round either reads records or moves past one number, so the loop ends.
    while (const std::optional<qint64> erster = d.naechsteLesbare(d.zuletztGelesen)) {
        try {
            d.laden(*erster, pufferGroesse);
        } catch (const StoreError& fehler) {
            if (fehler.art() != StoreError::Art::Beschaedigt)
                throw;
            d.zuletztGelesen = *erster; // its number is readable, its fields are not: past it
            continue;
        }
        if (d.puffer.empty())
            return false;
        d.lage = Innen::Lage::AufDatensatz;
        return true;
    }
    return false;
}

const Datensatz& Cursor::Satz() const
{
    if (d_->bearbeitung != Innen::Bearbeitung::Keine)
        return d_->neu;
    return d_->aktueller();
}

qint64 Cursor::Bookmark() const
{
    return d_->aktueller().id;
}

void Cursor::SetBookmark(qint64 bookmark)
{
    Innen& d = *d_;
    d.bearbeitung = Innen::Bearbeitung::Keine;
    d.lage = Innen::Lage::Keine;
    d.laden(bookmark, 1); // one record: a walk that goes on from it reads the next batch then
    if (d.puffer.empty() || d.puffer.front().id != bookmark) {
        d.puffer.clear();
        throw StoreError(StoreError::Art::EintragWeg);
    }
    d.lage = Innen::Lage::AufDatensatz;
}

} // namespace store
