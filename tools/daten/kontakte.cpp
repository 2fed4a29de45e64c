// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// `gedenkbuch-daten kontakte URL [--probe]`: takes the dates of a CardDAV address book into the
// book, and keeps them in step without overwriting what the user changed in the book.
#include "befehl.h"
#include "kalendertexte.h"

#include "caldav/adresse.h"
#include "caldav/netrc.h"
#include "caldav/netztransport.h"
#include "kontakte/abgleich.h"

#include "core/datenordner.h"
#include "core/durchlauf.h"
#include "core/eintragsbuch.h"
#include "core/steuerzeichen.h"
#include "store/cursor.h"
#include "store/herkunft.h"
#include "store/store.h"

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

void ausfuehren(store::Store& s, store::Herkunftsbuch& herkunft, const QString& adressbuch, const kontakte::Plan& plan)
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

} // namespace

int kontakteAbgleichen(const Aufruf& aufruf)
{
    const bool probe = aufruf.gesetzt("probe");
    const QString getippt = aufruf.wert("URL");
    if (const auto fehler = caldav::adressfehler(getippt)) {
        aufruf.fehler << kalendertext(*fehler) << Qt::endl;
        return FalscherAufruf;
    }
    const QUrl url(getippt, QUrl::StrictMode);
    // The address book as the memory knows it: the address without the user's name.
    const QString adressbuch = caldav::anzeige(caldav::alsSammlung(url));
    const QString nichts = QStringLiteral(" Es wurde nichts übernommen.");

    std::unique_ptr<store::Store> s;
    std::optional<QString> token;
    QHash<QString, QByteArray> bekannt;
    try {
        s = store::Store::open(aufruf.datenbank(),
                               probe ? store::Store::Zugriff::NurLesen : store::Store::Zugriff::Schreiben);
        store::Herkunftsbuch herkunft(*s);
        for (const kontakte::Gemerkt& m : gemerkt(herkunft, adressbuch))
            bekannt.insert(m.herkunft.karte, m.herkunft.etag);
        if (herkunft.vorhanden())
            token = herkunft.token(adressbuch);
    } catch (const store::StoreError& fehler) {
        aufruf.fehler << core::fehlertext(fehler) << nichts << Qt::endl;
        return Fehlschlag;
    }

    const caldav::Netrc netrc = caldav::zugangLesen(core::heimordner(), url.host(), url.userName());
    if (const auto* fehler = std::get_if<caldav::Fehler>(&netrc)) {
        aufruf.fehler << kalendertext(*fehler) << Qt::endl;
        return Fehlschlag;
    }
    caldav::Netztransport netz;
    caldav::Verbindung verbindung(netz, url, std::get<std::optional<caldav::Zugang>>(netrc));
    const auto gelesen = kontakte::lesen(verbindung, url, token, bekannt);
    if (const auto* fehler = std::get_if<caldav::Fehler>(&gelesen)) {
        aufruf.fehler << kalendertext(*fehler) << nichts << Qt::endl;
        return Fehlschlag;
    }
    const kontakte::Stand& stand = std::get<kontakte::Stand>(gelesen);

    kontakte::Plan plan;
    try {
        store::Herkunftsbuch herkunft(*s);
        plan = kontakte::planen(gemerkt(herkunft, adressbuch), stand, s->namen());
        const bool neuerToken = !stand.token.isEmpty() && stand.token != token.value_or(QString());
        if (!probe && (!plan.schritte.isEmpty() || neuerToken)) {
            // Planned again under the write lock: the book may have changed while the server talked.
            store::Transaktion transaktion(*s);
            herkunft.anlegen();
            plan = kontakte::planen(gemerkt(herkunft, adressbuch), stand, s->namen());
            ausfuehren(*s, herkunft, adressbuch, plan);
            if (neuerToken)
                herkunft.tokenSetzen(adressbuch, stand.token);
            transaktion.abschliessen();
        }
    } catch (const store::StoreError& fehler) {
        aufruf.fehler << core::fehlertext(fehler) << nichts << Qt::endl;
        return Fehlschlag;
    }

    for (const QString& grund : std::as_const(plan.gruende))
        aufruf.aus << core::einzeilig(grund) << Qt::endl;
    for (const QString& href : stand.uebergangen)
        aufruf.aus << QStringLiteral("Der Server nennt %1, eine Adresse außerhalb des Adressbuchs; sie wurde "
                                     "übergangen.")
                          .arg(href)
                   << Qt::endl;
    const QString zahlen
        = QStringLiteral("%1 neu, %2 geändert, %3 entfernt, %4 unverändert, %5 übersprungen")
              .arg(QString::number(plan.neu), QString::number(plan.geaendert), QString::number(plan.entfernt),
                   QString::number(plan.unveraendert), QString::number(plan.uebersprungen));
    if (probe)
        aufruf.aus << QStringLiteral("Probe: Kontakte aus %1 in %2: %3. Es wurde nichts geschrieben.")
                          .arg(getippt, aufruf.datenbank(), zahlen)
                   << Qt::endl;
    else
        aufruf.aus << QStringLiteral("Kontakte aus %1 in %2: %3.").arg(getippt, aufruf.datenbank(), zahlen) << Qt::endl;
    return Erfolg;
}
