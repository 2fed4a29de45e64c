// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// `gedenkbuch-daten kalender URL [--vorlauf TAGE]`: publishes the book to a CalDAV calendar, one
// yearly all-day event per entry, and changes on the server only what differs.
#include "befehl.h"

#include "kalendertexte.h"

#include "caldav/abgleich.h"
#include "caldav/adresse.h"
#include "caldav/netrc.h"
#include "caldav/netztransport.h"

#include "core/datenordner.h"
#include "core/durchlauf.h"
#include "core/eintragsbuch.h"
#include "store/cursor.h"
#include "store/store.h"

namespace {

struct Auftrag {
    QUrl url;
    caldav::Terminform form;
};

// The address as typed and the lead time; none after a German message when the address is refused.
std::optional<Auftrag> auftragLesen(const Aufruf& aufruf)
{
    const QString getippt = aufruf.wert("URL");
    if (const auto fehler = caldav::adressfehler(getippt)) {
        aufruf.fehler << kalendertext(*fehler) << Qt::endl;
        return std::nullopt;
    }
    Auftrag auftrag{QUrl(getippt, QUrl::StrictMode), {}};
    if (aufruf.gesetzt("vorlauf"))
        auftrag.form.vorlauf = aufruf.zahl("vorlauf", 0);
    if (aufruf.gesetzt("alter"))
        auftrag.form.alterIm = aufruf.datum().year();
    return auftrag;
}

// The entries the day lists show; none after a German message when the file cannot be read whole.
std::optional<QList<core::Eintrag>> eintraegeLesen(const Aufruf& aufruf)
{
    const QString nichts = QStringLiteral(" Am Kalender wurde nichts geändert.");
    core::Eintragsbuch::Bestand bestand;
    try {
        auto s = store::Store::open(aufruf.datenbank(), store::Store::Zugriff::NurLesen);
        store::Cursor cursor(*s);
        bestand = core::Eintragsbuch(*s, cursor).alle();
    } catch (const store::StoreError& fehler) {
        aufruf.fehler << core::fehlertext(fehler) << nichts << Qt::endl;
        return std::nullopt;
    }
    // An incomplete walk would look like deleted entries: their events would be removed.
    if (bestand.durchlauf.fehler) {
        aufruf.fehler << QStringLiteral("Nicht alle Einträge konnten gelesen werden. %1")
                             .arg(core::fehlertext(*bestand.durchlauf.fehler))
                      << nichts << Qt::endl;
        return std::nullopt;
    }
    QList<core::Eintrag> eintraege;
    for (const core::Eintrag& e : std::as_const(bestand.eintraege)) {
        if (core::gibtEsDenTag(e.tag, e.monat))
            eintraege.append(e);
    }
    return eintraege;
}

} // namespace

int kalender(const Aufruf& aufruf)
{
    const auto auftrag = auftragLesen(aufruf);
    if (!auftrag)
        return FalscherAufruf;
    const auto eintraege = eintraegeLesen(aufruf);
    if (!eintraege)
        return Fehlschlag;
    const caldav::Netrc netrc = caldav::zugangLesen(core::heimordner(), auftrag->url.host(), auftrag->url.userName());
    if (const auto* fehler = std::get_if<caldav::Fehler>(&netrc)) {
        aufruf.fehler << kalendertext(*fehler) << Qt::endl;
        return Fehlschlag;
    }
    caldav::Netztransport netz;
    caldav::Verbindung verbindung(netz, auftrag->url, std::get<std::optional<caldav::Zugang>>(netrc));
    const caldav::Bericht bericht = caldav::veroeffentlichen(verbindung, auftrag->url, *eintraege, auftrag->form);
    const bool begonnen = bericht.neu + bericht.geaendert + bericht.entfernt + bericht.unveraendert > 0
        || !bericht.fehlgeschlagen.isEmpty();
    if (!bericht.abbruch || begonnen) {
        for (const QString& zeile : kalenderbericht(bericht, aufruf.wert("URL"), aufruf.datenbank()))
            aufruf.aus << zeile << Qt::endl;
    }
    for (const auto& [was, fehler] : bericht.fehlgeschlagen)
        aufruf.fehler << QStringLiteral("Nicht veröffentlicht: „%1“. %2").arg(was, kalendertext(fehler)) << Qt::endl;
    if (bericht.abbruch)
        aufruf.fehler << kalendertext(*bericht.abbruch) << Qt::endl;
    return bericht.vollstaendig() ? Erfolg : Fehlschlag;
}
