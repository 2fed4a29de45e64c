// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "abgleich.h"

#include "exchange/auswahl.h"
#include "exchange/bereinigen.h"
#include "exchange/texte.h"
#include "exchange/vcard.h"

#include <QHash>

namespace kontakte {

namespace {

struct Gelesen {
    const Karte* karte = nullptr;
    exchange::Gelesen inhalt;
    QString abweisung; // why the card as a whole cannot be read
};

QString zeile(const QString& name, const QString& karte, const QString& grund)
{
    return name.isEmpty() ? QStringLiteral("Karte %1: %2").arg(karte, grund)
                          : QStringLiteral("„%1“ (Karte %2): %3").arg(exchange::zitat(name), karte, grund);
}

// Whether a date of a card passes the import's rules against the names in `vergeben`; the reason
// when not. One that the book's names alone refuse asks for the card to be read again next time.
std::optional<QString> abgewiesen(const exchange::Satz& satz, const QSet<QString>& vergeben, Plan& plan)
{
    exchange::Gelesen einer;
    einer.saetze = {satz};
    const exchange::Auswahl auswahl = exchange::auswaehlen(einer, vergeben);
    if (!auswahl.uebernehmen.isEmpty())
        return std::nullopt;
    plan.namensgleich |= auswahl.auslassungen.constLast().grund == exchange::Grund::SchonImBuch;
    return exchange::grundtext(exchange::Gelesen::Quelle::Karte, auswahl.auslassungen.constLast());
}

// The record the memory found: what was written, under the number it has now.
store::Datensatz imBuch(const Gemerkt& m)
{
    store::Datensatz d = m.herkunft.geschrieben;
    d.id = *m.imBuch;
    return d;
}

} // namespace

store::Datensatz werte(const exchange::Satz& s)
{
    store::Datensatz d;
    d.werte = {s.name, qint64(s.tag), qint64(s.monat), s.jahr ? QVariant(qint64(*s.jahr)) : QVariant(), QVariant()};
    return d;
}

Plan planen(const QList<Gemerkt>& gemerkt, const Stand& stand, QSet<QString> vergeben)
{
    Plan plan;
    QHash<QString, Gelesen> gelesen;
    for (const Karte& k : stand.karten) {
        Gelesen& g = gelesen[k.name];
        g.karte = &k;
        try {
            g.inhalt = k.zuGross ? exchange::Gelesen() : exchange::vcardLesen(k.vcard);
            if (k.zuGross)
                g.abweisung = QStringLiteral("die Karte ist zu groß, um sie zu lesen");
        } catch (const exchange::Abweisung& abweisung) {
            g.abweisung = exchange::meldung(abweisung);
        }
    }
    const QSet<QString> weg(stand.weg.cbegin(), stand.weg.cend());
    const QSet<QString> alle(stand.alle.cbegin(), stand.alle.cend());
    const auto datum = [](const Gelesen& g, int anlass) -> std::optional<exchange::Satz> {
        for (const exchange::Satz& s : g.inhalt.saetze) {
            if (int(s.anlass) == anlass)
                return s;
        }
        return std::nullopt;
    };
    const auto behalten = [&](const Gemerkt& m, const QString& grund) {
        plan.gruende << zeile(m.herkunft.geschrieben.feld(store::Feld::Bezeichnung).toString(), m.herkunft.karte,
                              grund);
        ++plan.uebersprungen;
    };

    QSet<QPair<QString, int>> bekannt;
    for (const Gemerkt& m : gemerkt) {
        const store::Herkunft& h = m.herkunft;
        bekannt.insert({h.karte, h.anlass});
        const auto karte = gelesen.constFind(h.karte);
        const bool kartenlos = weg.contains(h.karte) || (stand.vollstaendig && !alle.contains(h.karte));
        if (karte != gelesen.cend() && !karte->abweisung.isEmpty()) {
            behalten(m, karte->abweisung);
            continue;
        }
        const std::optional<exchange::Satz> neu
            = kartenlos || karte == gelesen.cend() ? std::nullopt : datum(*karte, h.anlass);
        if (!kartenlos && karte == gelesen.cend()) {
            ++plan.unveraendert; // the card's version is the one read last time
            continue;
        }
        if (!neu) {
            // The card, or this date of it, is gone: its entry goes while the user left it alone.
            if (m.imBuch) {
                plan.schritte.append({Schritt::Art::Entfernen, h, imBuch(m)});
                vergeben.remove(h.geschrieben.feld(store::Feld::Bezeichnung).toString());
                ++plan.entfernt;
            } else {
                plan.schritte.append({Schritt::Art::Vergessen, h});
                behalten(m,
                         kartenlos ? QStringLiteral("die Karte wurde gelöscht, doch der Eintrag im Gedenkbuch "
                                                    "geändert; er bleibt")
                                   : QStringLiteral("die Karte nennt den Tag nicht mehr, doch der Eintrag wurde im "
                                                    "Gedenkbuch geändert; er bleibt"));
            }
            continue;
        }
        store::Herkunft aktuell = h;
        aktuell.etag = karte->karte->etag;
        const store::Datensatz jetzt = werte(*neu);
        if (jetzt.werte == h.geschrieben.werte) {
            if (aktuell.etag != h.etag)
                plan.schritte.append({Schritt::Art::VersionMerken, aktuell});
            ++plan.unveraendert;
            continue;
        }
        if (!m.imBuch) {
            plan.schritte.append({Schritt::Art::VersionMerken, aktuell});
            behalten(m,
                     QStringLiteral("die Karte wurde geändert, doch der Eintrag auch im Gedenkbuch; es gilt der "
                                    "Eintrag"));
            continue;
        }
        QSet<QString> andere = vergeben;
        andere.remove(h.geschrieben.feld(store::Feld::Bezeichnung).toString());
        if (const auto grund = abgewiesen(*neu, andere, plan)) {
            behalten(m, *grund);
            continue;
        }
        aktuell.geschrieben = jetzt;
        aktuell.eintrag = *m.imBuch;
        plan.schritte.append({Schritt::Art::Aendern, aktuell, imBuch(m), *neu});
        vergeben = andere;
        vergeben.insert(neu->name);
        ++plan.geaendert;
    }

    // Dates of cards that made no entry yet, in the order the server listed them.
    for (const Karte& k : stand.karten) {
        const Gelesen& g = gelesen[k.name];
        if (!g.abweisung.isEmpty()) {
            if (!std::any_of(gemerkt.cbegin(), gemerkt.cend(),
                             [&](const Gemerkt& m) { return m.herkunft.karte == k.name; })) {
                plan.gruende << zeile({}, k.name, g.abweisung);
                ++plan.uebersprungen;
            }
            continue;
        }
        for (const exchange::Auslassung& a : g.inhalt.auslassungen) {
            if (a.grund == exchange::Grund::OhneDatum)
                continue; // most contacts have no birthday written down
            plan.gruende << zeile(a.name, k.name, exchange::grundtext(exchange::Gelesen::Quelle::Karte, a));
            ++plan.uebersprungen;
        }
        for (const exchange::Satz& s : g.inhalt.saetze) {
            if (bekannt.contains({k.name, int(s.anlass)}))
                continue;
            if (const auto grund = abgewiesen(s, vergeben, plan)) {
                plan.gruende << zeile(s.name, k.name, *grund);
                ++plan.uebersprungen;
                continue;
            }
            store::Herkunft h{0, k.name, int(s.anlass), k.etag, 0, werte(s)};
            plan.schritte.append({Schritt::Art::Eintragen, h, {}, s});
            vergeben.insert(s.name);
            ++plan.neu;
        }
    }
    return plan;
}

} // namespace kontakte
