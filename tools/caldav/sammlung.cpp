// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sammlung.h"

#include "adresse.h"
#include "multistatus.h"

#include "termin/jahrestermin.h"

namespace caldav {

namespace {

const QByteArray xml = QByteArrayLiteral("application/xml; charset=utf-8");

const QByteArray eigenschaften
    = QByteArrayLiteral(R"(<?xml version="1.0" encoding="utf-8"?>)"
                        R"(<D:propfind xmlns:D="DAV:" xmlns:C="urn:ietf:params:xml:ns:caldav"><D:prop>)"
                        R"(<D:resourcetype/><C:supported-calendar-component-set/></D:prop></D:propfind>)");

const QByteArray anlegen = QByteArrayLiteral(
    R"(<?xml version="1.0" encoding="utf-8"?>)"
    R"(<C:mkcalendar xmlns:D="DAV:" xmlns:C="urn:ietf:params:xml:ns:caldav"><D:set><D:prop>)"
    R"(<D:displayname>Gedenkbuch</D:displayname>)"
    R"(<C:supported-calendar-component-set><C:comp name="VEVENT"/></C:supported-calendar-component-set>)"
    R"(</D:prop></D:set></C:mkcalendar>)");

const QByteArray termine = QByteArrayLiteral(
    R"(<?xml version="1.0" encoding="utf-8"?>)"
    R"(<C:calendar-query xmlns:D="DAV:" xmlns:C="urn:ietf:params:xml:ns:caldav">)"
    R"(<D:prop><D:getetag/><C:calendar-data/></D:prop>)"
    R"(<C:filter><C:comp-filter name="VCALENDAR"><C:comp-filter name="VEVENT"/></C:comp-filter></C:filter>)"
    R"(</C:calendar-query>)");

Fehler unverstaendlich(const QByteArray& verb, const Antwort& antwort)
{
    return {Fehler::Art::Unverstaendlich, antwort.url.host(), anzeige(antwort.url), verb, antwort.status, {}};
}

// The collection's own properties: whether a calendar for events is there. None when nothing is.
std::optional<std::variant<Sammlung, Fehler>> nachsehen(Verbindung& verbindung, const QUrl& url)
{
    const Anfrage frage{"PROPFIND", alsSammlung(url), eigenschaften, {{"Depth", "0"}, {"Content-Type", xml}}};
    const Antwort antwort = verbindung.senden(frage);
    if (antwort.fehler)
        return *antwort.fehler;
    if (antwort.status == 404)
        return std::nullopt;
    if (antwort.status != 207)
        return statusfehler(verbindung, frage.verb, antwort);
    const Sammlung sammlung{alsSammlung(antwort.url), false};
    const QString ort = anzeige(sammlung.url);
    QList<Ressource> ressourcen;
    Multistatusleser leser([&](Ressource&& r) { ressourcen.append(std::move(r)); });
    if (!leser.hinzufuegen(antwort.inhalt) || !leser.vollstaendig())
        return unverstaendlich(frage.verb, antwort);
    for (const Ressource& r : std::as_const(ressourcen)) {
        const QUrl href = sammlung.url.resolved(QUrl(r.href));
        if (r.status != 200 || (ressourcen.size() > 1 && !istSammlung(sammlung.url, href)))
            continue;
        if (!r.sammlung || !r.kalender)
            break;
        if (!r.komponenten.isEmpty() && !r.komponenten.contains(QLatin1String("VEVENT")))
            return Fehler{Fehler::Art::KeineTermine, sammlung.url.host(), ort};
        return sammlung;
    }
    return Fehler{Fehler::Art::KeinKalender, sammlung.url.host(), ort};
}

} // namespace

std::variant<Sammlung, Fehler> sammlungBereiten(Verbindung& verbindung, const QUrl& url)
{
    if (auto da = nachsehen(verbindung, url))
        return *da;
    const Anfrage machen{"MKCALENDAR", alsSammlung(url), anlegen, {{"Content-Type", xml}}};
    const Antwort gemacht = verbindung.senden(machen);
    if (gemacht.fehler)
        return *gemacht.fehler;
    if (gemacht.status / 100 == 2)
        return Sammlung{alsSammlung(gemacht.url), true};
    // 405 or 409 where another run made the calendar at this very moment: it is there now.
    if (gemacht.status == 405 || gemacht.status == 409) {
        if (auto da = nachsehen(verbindung, url))
            return *da;
        if (gemacht.status == 409)
            return Fehler{Fehler::Art::ElternFehlt, gemacht.url.host(), anzeige(alsSammlung(gemacht.url))};
        return Fehler{Fehler::Art::KeinKalender, gemacht.url.host(), anzeige(alsSammlung(gemacht.url))};
    }
    return statusfehler(verbindung, machen.verb, gemacht);
}

std::variant<Bestand, Fehler> bestandLesen(Verbindung& verbindung, const QUrl& sammlung)
{
    Bestand bestand;
    Multistatusleser leser([&](Ressource&& r) {
        const std::optional<QUrl> url = innerhalb(sammlung, r.href);
        if (!url) {
            if (!istSammlung(sammlung, sammlung.resolved(QUrl(r.href))))
                bestand.uebergangen.append(r.href);
            return;
        }
        if (r.status != 200)
            return;
        Vorhanden v{*url, gueltigesEtag(r.etag), {}, {}, false};
        if (const auto gelesen = r.zuGross ? std::nullopt : termin::lesen(r.kalenderdaten)) {
            v.uid = gelesen->uid;
            v.kern = gelesen->kern;
            v.unberuehrt = gelesen->unberuehrt;
        }
        bestand.vorhanden.append(std::move(v));
    });
    Anfrage frage{"REPORT", sammlung, termine, {{"Depth", "1"}, {"Content-Type", xml}}, ganzeListe};
    bool gelesen = true;
    frage.empfang = [&](QByteArrayView stueck) { return gelesen = leser.hinzufuegen(stueck); };
    const Antwort antwort = verbindung.senden(frage, sammlung);
    if (antwort.fehler)
        return *antwort.fehler;
    if (antwort.status != 207)
        return statusfehler(verbindung, frage.verb, antwort);
    if (!gelesen || antwort.abgebrochen || !leser.vollstaendig())
        return unverstaendlich(frage.verb, antwort);
    return bestand;
}

std::optional<Fehler> mehrfachstatusPruefen(const QByteArray& verb, const Antwort& antwort)
{
    if (antwort.status != 207)
        return std::nullopt;
    int schlecht = 0;
    Multistatusleser leser([&](Ressource&& r) {
        if (schlecht == 0)
            schlecht = r.fehlstatus;
    });
    if (!leser.hinzufuegen(antwort.inhalt) || !leser.vollstaendig())
        return unverstaendlich(verb, antwort);
    if (schlecht == 0)
        return std::nullopt;
    return Fehler{Fehler::Art::StatusIn207, antwort.url.host(), anzeige(antwort.url), verb, schlecht, {}};
}

} // namespace caldav
