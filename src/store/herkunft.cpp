// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "herkunft.h"

#include "store.h"
#include "verbindung.h"

namespace store {

namespace {

constexpr char herkunftAnlegen[]
    = "CREATE TABLE IF NOT EXISTS Kontaktherkunft (adressbuch TEXT NOT NULL, karte TEXT NOT NULL, anlass INTEGER "
      "NOT NULL, etag TEXT, eintrag INTEGER, Bezeichnung TEXT, tag INTEGER, monat INTEGER, jahr INTEGER, "
      "Bemerkungen TEXT)";
constexpr char adressbuecherAnlegen[]
    = "CREATE TABLE IF NOT EXISTS Adressbuch (adressbuch TEXT PRIMARY KEY, token TEXT)";

} // namespace

Herkunftsbuch::Herkunftsbuch(Store& store) : store_(store) {}

bool Herkunftsbuch::vorhanden()
{
    Statement tabelle(*store_.verbindung_,
                      "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name IN "
                      "('Kontaktherkunft', 'Adressbuch')");
    tabelle.step();
    const bool beide = tabelle.columnInt64(0) == 2;
    tabelle.reset();
    return beide;
}

void Herkunftsbuch::anlegen()
{
    execute(*store_.verbindung_, herkunftAnlegen);
    execute(*store_.verbindung_, adressbuecherAnlegen);
}

QList<Herkunft> Herkunftsbuch::lesen(const QString& adressbuch)
{
    Statement alle(*store_.verbindung_,
                   "SELECT rowid, karte, anlass, etag, eintrag, Bezeichnung, tag, monat, jahr, "
                   "Bemerkungen FROM Kontaktherkunft WHERE adressbuch = ?1 ORDER BY rowid");
    alle.bind(1, adressbuch);
    QList<Herkunft> gemerkt;
    while (alle.step()) {
        Herkunft h{alle.columnInt64(0),      alle.column(1).toString(),
                   int(alle.columnInt64(2)), alle.column(3).toString().toLatin1(),
                   alle.columnInt64(4),      {}};
        for (std::size_t i = 0; i < h.geschrieben.werte.size(); ++i)
            h.geschrieben.werte[i] = alle.column(int(i) + 5);
        gemerkt.append(h);
    }
    return gemerkt;
}

std::optional<QString> Herkunftsbuch::token(const QString& adressbuch)
{
    Statement frage(*store_.verbindung_, "SELECT token FROM Adressbuch WHERE adressbuch = ?1");
    frage.bind(1, adressbuch);
    if (!frage.step())
        return std::nullopt;
    const QVariant token = frage.column(0);
    frage.reset();
    return token.isNull() ? std::nullopt : std::optional<QString>(token.toString());
}

void Herkunftsbuch::tokenSetzen(const QString& adressbuch, const QString& token)
{
    Statement setzen(*store_.verbindung_, "INSERT OR REPLACE INTO Adressbuch (adressbuch, token) VALUES (?1, ?2)");
    setzen.bind(1, adressbuch);
    setzen.bind(2, token.isEmpty() ? QVariant() : QVariant(token));
    setzen.step();
}

qint64 Herkunftsbuch::merken(const QString& adressbuch, const Herkunft& h)
{
    Statement schreiben(*store_.verbindung_,
                        h.nummer == 0 ? "INSERT INTO Kontaktherkunft (adressbuch, karte, anlass, etag, eintrag, "
                                        "Bezeichnung, tag, monat, jahr, Bemerkungen) VALUES (?1, ?2, ?3, ?4, ?5, ?6, "
                                        "?7, ?8, ?9, ?10)"
                                      : "UPDATE Kontaktherkunft SET adressbuch = ?1, karte = ?2, anlass = ?3, etag = "
                                        "?4, eintrag = ?5, Bezeichnung = ?6, tag = ?7, monat = ?8, jahr = ?9, "
                                        "Bemerkungen = ?10 WHERE rowid = ?11");
    schreiben.bind(1, adressbuch);
    schreiben.bind(2, h.karte);
    schreiben.bindInt64(3, h.anlass);
    schreiben.bind(4, QString::fromLatin1(h.etag));
    schreiben.bindInt64(5, h.eintrag);
    for (std::size_t i = 0; i < h.geschrieben.werte.size(); ++i)
        schreiben.bind(int(i) + 6, h.geschrieben.werte[i]);
    if (h.nummer != 0)
        schreiben.bindInt64(11, h.nummer);
    schreiben.step();
    return h.nummer != 0 ? h.nummer : sqlite3_last_insert_rowid(store_.verbindung_->db);
}

void Herkunftsbuch::vergessen(qint64 nummer)
{
    Statement loeschen(*store_.verbindung_, "DELETE FROM Kontaktherkunft WHERE rowid = ?1");
    loeschen.bindInt64(1, nummer);
    loeschen.step();
}

std::optional<qint64> Herkunftsbuch::finden(const Datensatz& werte, qint64 zuerst)
{
    Statement suche(*store_.verbindung_,
                    "SELECT rowid FROM Gedenkbuch WHERE Bezeichnung IS ?1 COLLATE BINARY AND tag IS ?2 AND monat IS "
                    "?3 AND jahr IS ?4 AND Bemerkungen IS ?5 COLLATE BINARY ORDER BY rowid <> ?6 LIMIT 1");
    for (std::size_t i = 0; i < werte.werte.size(); ++i)
        suche.bind(int(i) + 1, werte.werte[i]);
    suche.bindInt64(6, zuerst);
    if (!suche.step())
        return std::nullopt;
    const qint64 gefunden = suche.columnInt64(0);
    suche.reset();
    return gefunden;
}

} // namespace store
