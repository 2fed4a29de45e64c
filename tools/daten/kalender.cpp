// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// `gedenkbuch-daten kalender URL [--vorlauf TAGE]`: publishes the book to a CalDAV calendar, one
// yearly all-day event per entry, and changes on the server only what differs.
#include "befehl.h"

#include "caldav/abgleich.h"
#include "caldav/adresse.h"
#include "caldav/fehler.h"
#include "caldav/netrc.h"

#include "core/durchlauf.h"
#include "core/eintragsbuch.h"
#include "store/cursor.h"
#include "store/store.h"

namespace {

struct Auftrag {
    QUrl url;
    std::optional<int> vorlauf;
};

// The address and the lead time; none after a German message when the address is refused.
std::optional<Auftrag> auftragLesen(const Aufruf& aufruf)
{
    Auftrag auftrag{QUrl(aufruf.wert("URL"), QUrl::StrictMode), std::nullopt};
    if (const QString fehler = caldav::adressfehler(auftrag.url); !fehler.isEmpty()) {
        aufruf.fehler << fehler << Qt::endl;
        return std::nullopt;
    }
    if (aufruf.gesetzt("vorlauf"))
        auftrag.vorlauf = aufruf.zahl("vorlauf", 0);
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
    try {
        caldav::Verbindung verbindung(auftrag->url, caldav::zugangLesen(auftrag->url.host(), auftrag->url.userName()));
        const caldav::Bericht b = caldav::veroeffentlichen(verbindung, auftrag->url, *eintraege, auftrag->vorlauf);
        aufruf.aus << QStringLiteral("Kalender %1 aus %2: %3 neu, %4 geändert, %5 entfernt, %6 unverändert.")
                          .arg(caldav::anzeige(b.sammlung), aufruf.datenbank())
                          .arg(b.neu)
                          .arg(b.geaendert)
                          .arg(b.entfernt)
                          .arg(b.unveraendert)
                   << Qt::endl;
    } catch (const caldav::Fehler& fehler) {
        aufruf.fehler << fehler.meldung() << Qt::endl;
        return Fehlschlag;
    }
    return Erfolg;
}
