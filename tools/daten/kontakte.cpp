// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// `gedenkbuch-daten kontakte URL [--probe]`: takes the dates of a CardDAV address book into the
// book, and keeps them in step without overwriting what the user changed in the book.
#include "befehl.h"
#include "davzugang.h"
#include "kalendertexte.h"

#include "caldav/adresse.h"
#include "kontakte/abgleich.h"

#include "core/eintragsbuch.h"
#include "core/steuerzeichen.h"
#include "store/herkunft.h"

namespace daten {

namespace {

// The memories of this address book, each checked against the book.
QList<kontakte::Gemerkt> gemerkt(store::Herkunftsbuch& herkunft, const QString& adressbuch)
{
    QList<kontakte::Gemerkt> liste;
    if (!herkunft.vorhanden())
        return liste;
    for (const store::Herkunft& h : herkunft.lesen(adressbuch))
        liste.append({h, herkunft.finden(h.geschrieben, h.eintrag)});
    return liste;
}

core::Aenderung aenderung(const exchange::Satz& s)
{
    core::Aenderung a{s.name, s.tag, s.monat, std::optional<int>(s.jahr), std::optional<QString>()};
    return a;
}

void planAusfuehren(store::Store& s, store::Herkunftsbuch& herkunft, const QString& adressbuch,
                    const kontakte::Plan& plan)
{
    store::Cursor cursor(s);
    core::Eintragsbuch buch(s, cursor);
    for (const kontakte::Schritt& schritt : plan.schritte) {
        store::Herkunft h = schritt.herkunft;
        switch (schritt.art) {
        case kontakte::Schritt::Art::Eintragen:
            h.eintrag = buch.speichern(std::nullopt, aenderung(schritt.satz));
            herkunft.merken(adressbuch, h);
            break;
        case kontakte::Schritt::Art::Aendern:
            buch.speichern(schritt.eintrag, aenderung(schritt.satz));
            herkunft.merken(adressbuch, h);
            break;
        case kontakte::Schritt::Art::Entfernen:
            buch.loeschen(schritt.eintrag);
            herkunft.vergessen(h.nummer);
            break;
        case kontakte::Schritt::Art::Vergessen:
            herkunft.vergessen(h.nummer);
            break;
        case kontakte::Schritt::Art::VersionMerken:
            herkunft.merken(adressbuch, h);
            break;
        }
    }
}

class Kontakte final : public Buchbefehl {
public:
    Kontakte() : Buchbefehl("kontakte")
    {
        beschreibung_
            = QStringLiteral(
                  "übernimmt die Geburtstage, Hochzeitstage und Todestage des CardDAV-Adressbuchs unter URL nach\n"
                  "den Regeln von import und hält sie mit ihm in Schritt: Eine geänderte Karte ändert ihren\n"
                  "Eintrag, eine gelöschte entfernt ihn, solange der Eintrag hält, was der letzte Lauf schrieb;\n"
                  "was Sie im Gedenkbuch geändert haben, gilt und wird genannt. Gelesen werden nur die\n"
                  "Änderungen seit dem letzten Lauf. --probe %1.\n"
                  "Name und Kennwort stehen in ~/.netrc wie bei kalender.")
                  .arg(probe.hilfe());
    }

    int mitBuch(Kontext& k) override;

private:
    Schalter probe{this, "probe", "zeigt nur, was geschähe, und schreibt nichts"};
    Text url{this, Argument{"URL"}};
};

int Kontakte::mitBuch(Kontext& k)
{
    const bool probe = this->probe.gesetzt();
    const QString getippt = url.wert();
    const std::optional<QUrl> geprueft = davAdresse(k, getippt);
    if (!geprueft)
        return FalscherAufruf;
    const QUrl adresse = *geprueft;
    // The address book as the memory knows it: the address without the user's name.
    const QString adressbuch = caldav::anzeige(caldav::alsSammlung(adresse));
    const QString nichts = QStringLiteral(" Es wurde nichts übernommen.");

    std::unique_ptr<store::Store> s;
    std::optional<QString> token;
    QHash<QString, QByteArray> bekannt;
    try {
        s = oeffnen(probe ? store::Store::Zugriff::NurLesen : store::Store::Zugriff::Schreiben);
        store::Herkunftsbuch herkunft(*s);
        for (const kontakte::Gemerkt& m : gemerkt(herkunft, adressbuch))
            bekannt.insert(m.herkunft.karte, m.herkunft.etag);
        if (herkunft.vorhanden())
            token = herkunft.token(adressbuch);
    } catch (const store::StoreError& fehler) {
        k.fehler << core::fehlertext(fehler) << nichts << Qt::endl;
        return Fehlschlag;
    }

    std::optional<caldav::Verbindung> verbindung = davVerbindung(k, adresse);
    if (!verbindung)
        return Fehlschlag;
    const auto gelesen = kontakte::lesen(*verbindung, adresse, token, bekannt);
    if (const auto* fehler = std::get_if<caldav::Fehler>(&gelesen)) {
        k.fehler << kalendertext(*fehler) << nichts << Qt::endl;
        return Fehlschlag;
    }
    const kontakte::Stand& stand = std::get<kontakte::Stand>(gelesen);

    kontakte::Plan plan;
    try {
        store::Herkunftsbuch herkunft(*s);
        plan = kontakte::planen(gemerkt(herkunft, adressbuch), stand, s->namen());
        const auto neuerToken
            = [&] { return !plan.namensgleich && !stand.token.isEmpty() && stand.token != token.value_or(QString()); };
        if (!probe && (!plan.schritte.isEmpty() || neuerToken())) {
            // Planned again under the write lock: the book may have changed while the server talked.
            store::Transaktion transaktion(*s);
            herkunft.anlegen();
            plan = kontakte::planen(gemerkt(herkunft, adressbuch), stand, s->namen());
            planAusfuehren(*s, herkunft, adressbuch, plan);
            if (neuerToken())
                herkunft.tokenSetzen(adressbuch, stand.token);
            transaktion.abschliessen();
        }
    } catch (const store::StoreError& fehler) {
        k.fehler << core::fehlertext(fehler) << nichts << Qt::endl;
        return Fehlschlag;
    }

    for (const QString& grund : std::as_const(plan.gruende))
        k.aus << core::einzeilig(grund) << Qt::endl;
    for (const QString& href : stand.uebergangen)
        k.aus << QStringLiteral("Der Server nennt %1, eine Adresse außerhalb des Adressbuchs; sie wurde "
                                "übergangen.")
                     .arg(core::einzeilig(href))
              << Qt::endl;
    const QString zahlen
        = QStringLiteral("%1 neu, %2 geändert, %3 entfernt, %4 unverändert, %5 übersprungen")
              .arg(QString::number(plan.neu), QString::number(plan.geaendert), QString::number(plan.entfernt),
                   QString::number(plan.unveraendert), QString::number(plan.uebersprungen));
    if (probe)
        k.aus << QStringLiteral("Probe: Kontakte aus %1 in %2: %3. Es wurde nichts geschrieben.")
                     .arg(getippt, buch(), zahlen)
              << Qt::endl;
    else
        k.aus << QStringLiteral("Kontakte aus %1 in %2: %3.").arg(getippt, buch(), zahlen) << Qt::endl;
    return Erfolg;
}

} // namespace

std::unique_ptr<Befehl> kontakte()
{
    return std::make_unique<Kontakte>();
}

} // namespace daten
