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

// The arguments; none after a German message when they are wrong.
std::optional<Auftrag> auftragLesen(const Aufruf& aufruf)
{
    const QStringList& a = aufruf.argumente;
    Auftrag auftrag;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i] == QLatin1String("--vorlauf") && !auftrag.vorlauf) {
            bool zahl = false;
            const int tage = a.value(i + 1).toInt(&zahl);
            if (!zahl || tage < 0 || tage > 365) {
                aufruf.fehler << QStringLiteral("Der Vorlauf ist eine Zahl von Tagen von 0 bis 365.") << Qt::endl;
                return std::nullopt;
            }
            auftrag.vorlauf = tage;
            ++i;
        } else if (auftrag.url.isEmpty() && !a[i].startsWith(u'-')) {
            auftrag.url = QUrl(a[i], QUrl::StrictMode);
            if (const QString fehler = caldav::adressfehler(auftrag.url); !fehler.isEmpty()) {
                aufruf.fehler << fehler << Qt::endl;
                return std::nullopt;
            }
        } else {
            return std::nullopt;
        }
    }
    if (auftrag.url.isEmpty())
        return std::nullopt;
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
        aufruf.aus << QStringLiteral("Kalender %1: %2 neu, %3 geändert, %4 entfernt, %5 unverändert.")
                          .arg(caldav::anzeige(b.sammlung))
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
