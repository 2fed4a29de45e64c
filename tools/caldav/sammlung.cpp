// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sammlung.h"

#include "adresse.h"
#include "fehler.h"
#include "multistatus.h"

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

QUrl mitSchraegstrich(QUrl url)
{
    if (!url.path().endsWith(u'/'))
        url.setPath(url.path() + u'/');
    return url;
}

bool dieselbe(const QUrl& a, const QUrl& b)
{
    return mitSchraegstrich(a).path(QUrl::FullyDecoded) == mitSchraegstrich(b).path(QUrl::FullyDecoded);
}

Fehler keinKalender(const QString& ort)
{
    return Fehler(QStringLiteral("Unter %1 liegt kein Kalender; dort wird nichts verändert.").arg(ort));
}

QList<Ressource> lesen(const Anfrage& anfrage, const Antwort& antwort)
{
    const auto ressourcen = multistatusLesen(antwort.inhalt, antwort.url);
    if (!ressourcen)
        throw Fehler(QStringLiteral("Der Server %1 hat auf %2 unverständlich geantwortet.")
                         .arg(antwort.url.host(), QString::fromLatin1(anfrage.verb)));
    return *ressourcen;
}

} // namespace

void statusfehler(const Verbindung& verbindung, const Anfrage& anfrage, const Antwort& antwort)
{
    const QString server = antwort.url.host();
    if (antwort.status == 401 && !gleicherServer(antwort.url, verbindung.server()))
        throw Fehler(QStringLiteral("Der Server leitet auf %1 um, einen anderen als den der Adresse; dorthin geht das "
                                    "Kennwort aus ~/.netrc nicht.")
                         .arg(anzeige(antwort.url)));
    if (antwort.status == 401 && verbindung.zugang())
        throw Fehler(QStringLiteral("Der Server %1 hat die Anmeldung als „%2“ abgelehnt. Prüfen Sie Name und Kennwort "
                                    "in ~/.netrc.")
                         .arg(server, verbindung.zugang()->login));
    if (antwort.status == 401)
        throw Fehler(QStringLiteral("Der Server %1 verlangt eine Anmeldung, doch ~/.netrc nennt keinen Zugang dafür "
                                    "(machine %1 login NAME password KENNWORT).")
                         .arg(server));
    if (antwort.status == 403)
        throw Fehler(QStringLiteral("Der Server %1 verweigert den Zugriff auf %2.").arg(server, anzeige(antwort.url)));
    throw Fehler(QStringLiteral("Der Server %1 hat %2 %3 mit dem Status %4 beantwortet.")
                     .arg(server, QString::fromLatin1(anfrage.verb), anzeige(antwort.url))
                     .arg(antwort.status));
}

Sammlung sammlungBereiten(Verbindung& verbindung, const QUrl& url)
{
    const Anfrage frage{"PROPFIND", mitSchraegstrich(url), eigenschaften, {{"Depth", "0"}, {"Content-Type", xml}}};
    const Antwort antwort = verbindung.senden(frage);
    const Sammlung sammlung{mitSchraegstrich(antwort.url), antwort.status == 404};
    const QString ort = anzeige(sammlung.url);
    if (antwort.status == 207) {
        const QList<Ressource> ressourcen = lesen(frage, antwort);
        for (const Ressource& r : ressourcen) {
            if (r.status != 200 || (ressourcen.size() > 1 && !dieselbe(r.url, sammlung.url)))
                continue;
            if (!r.sammlung || !r.kalender)
                break;
            if (!r.komponenten.isEmpty() && !r.komponenten.contains(QLatin1String("VEVENT")))
                throw Fehler(
                    QStringLiteral("Der Kalender %1 nimmt keine Termine auf; dort wird nichts verändert.").arg(ort));
            return sammlung;
        }
        throw keinKalender(ort);
    }
    if (antwort.status != 404)
        statusfehler(verbindung, frage, antwort);

    const Anfrage machen{"MKCALENDAR", sammlung.url, anlegen, {{"Content-Type", xml}}};
    const Antwort gemacht = verbindung.senden(machen);
    if (gemacht.status == 409)
        throw Fehler(QStringLiteral("Der Kalender %1 kann nicht angelegt werden: Den übergeordneten Ordner gibt es "
                                    "nicht.")
                         .arg(ort));
    if (gemacht.status == 405)
        throw keinKalender(ort);
    if (gemacht.status / 100 != 2)
        statusfehler(verbindung, machen, gemacht);
    return sammlung;
}

QList<Vorhanden> eigeneTermine(Verbindung& verbindung, const QUrl& sammlung)
{
    const Anfrage frage{"REPORT", sammlung, termine, {{"Depth", "1"}, {"Content-Type", xml}}};
    const Antwort antwort = verbindung.senden(frage);
    if (antwort.status != 207)
        statusfehler(verbindung, frage, antwort);
    QList<Vorhanden> unsere;
    for (const Ressource& r : lesen(frage, antwort)) {
        if (r.status != 200 || dieselbe(r.url, sammlung))
            continue;
        if (const auto termin = eigenerTermin(r.kalenderdaten))
            unsere.append({r.url, r.etag, *termin});
    }
    return unsere;
}

} // namespace caldav
