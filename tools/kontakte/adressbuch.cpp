// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "adressbuch.h"

#include "caldav/adresse.h"
#include "caldav/multistatus.h"

#include <QSet>

namespace kontakte {

namespace {

using caldav::Anfrage;
using caldav::Antwort;
using caldav::Fehler;

const QByteArray xml = QByteArrayLiteral("application/xml; charset=utf-8");
constexpr qsizetype kartenJeAnfrage = 200;
constexpr int abschnitte = 100; // a server that cuts its changes short (507) is asked on this often

const QByteArray eigenschaften
    = QByteArrayLiteral(R"(<?xml version="1.0" encoding="utf-8"?>)"
                        R"(<D:propfind xmlns:D="DAV:"><D:prop><D:resourcetype/><D:sync-token/></D:prop></D:propfind>)");

const QByteArray versionen
    = QByteArrayLiteral(R"(<?xml version="1.0" encoding="utf-8"?>)"
                        R"(<D:propfind xmlns:D="DAV:"><D:prop><D:resourcetype/><D:getetag/></D:prop></D:propfind>)");

QByteArray aenderungenSeit(const QString& token)
{
    return QByteArrayLiteral(
               R"(<?xml version="1.0" encoding="utf-8"?><D:sync-collection xmlns:D="DAV:"><D:sync-token>)")
        + token.toHtmlEscaped().toUtf8()
        + QByteArrayLiteral("</D:sync-token><D:sync-level>1</D:sync-level><D:prop><D:getetag/></D:prop>"
                            "</D:sync-collection>");
}

QByteArray kartenLesen(const QList<QUrl>& urls)
{
    QByteArray text = QByteArrayLiteral(R"(<?xml version="1.0" encoding="utf-8"?>)"
                                        R"(<C:addressbook-multiget xmlns:D="DAV:" )"
                                        R"(xmlns:C="urn:ietf:params:xml:ns:carddav">)"
                                        R"(<D:prop><D:getetag/><C:address-data/></D:prop>)");
    for (const QUrl& url : urls)
        text += "<D:href>" + QString::fromUtf8(url.path(QUrl::FullyEncoded).toUtf8()).toHtmlEscaped().toUtf8()
            + "</D:href>";
    return text + QByteArrayLiteral("</C:addressbook-multiget>");
}

QString name(const QUrl& url)
{
    return url.path(QUrl::FullyDecoded).section(u'/', -1);
}

Fehler unverstaendlich(const QByteArray& verb, const Antwort& antwort)
{
    return {Fehler::Art::Unverstaendlich, antwort.url.host(), caldav::anzeige(antwort.url), verb, antwort.status, {}};
}

// Sends a request whose answer is a multistatus, read as it arrives; `je` gets each response whose
// href lies inside the collection, the others are noted in `uebergangen`.
struct Mehrfach {
    std::optional<Fehler> fehler;
    int status = 0;
    QString token;
    bool abgeschnitten = false; // the collection itself came with 507: ask again from `token`
};
Mehrfach mehrfach(caldav::Verbindung& verbindung, Anfrage frage, const QUrl& sammlung, Stand& stand,
                  const std::function<void(const QUrl&, const caldav::Ressource&)>& je)
{
    bool abgeschnitten = false;
    caldav::Multistatusleser leser([&](caldav::Ressource&& r) {
        const std::optional<QUrl> url = caldav::innerhalb(sammlung, r.href);
        if (url)
            je(*url, r);
        else if (!caldav::istSammlung(sammlung, sammlung.resolved(QUrl(r.href))))
            stand.uebergangen.append(r.href);
        else if (r.status == 507 || r.fehlstatus == 507)
            abgeschnitten = true;
    });
    bool gelesen = true;
    frage.grenze = caldav::ganzeListe;
    frage.empfang = [&](QByteArrayView stueck) { return gelesen = leser.hinzufuegen(stueck); };
    const Antwort antwort = verbindung.senden(frage, sammlung);
    if (antwort.fehler)
        return {antwort.fehler, 0, {}};
    if (antwort.status != 207)
        return {std::nullopt, antwort.status, {}};
    if (!gelesen || antwort.abgebrochen || !leser.vollstaendig())
        return {unverstaendlich(frage.verb, antwort), 207, {}};
    return {std::nullopt, 207, leser.token(), abgeschnitten};
}

} // namespace

std::variant<Stand, Fehler> lesen(caldav::Verbindung& verbindung, const QUrl& url, const std::optional<QString>& token,
                                  const QHash<QString, QByteArray>& bekannt)
{
    Stand stand;
    // The collection: an address book, and where it is after redirects.
    const Anfrage frage{"PROPFIND", caldav::alsSammlung(url), eigenschaften, {{"Depth", "0"}, {"Content-Type", xml}}};
    const Antwort antwort = verbindung.senden(frage);
    if (antwort.fehler)
        return *antwort.fehler;
    if (antwort.status == 404)
        return Fehler{Fehler::Art::KeinAdressbuch, url.host(), caldav::anzeige(caldav::alsSammlung(url))};
    if (antwort.status != 207)
        return caldav::statusfehler(verbindung, frage.verb, antwort);
    stand.url = caldav::alsSammlung(antwort.url);
    bool adressbuch = false;
    caldav::Multistatusleser eigen([&](caldav::Ressource&& r) {
        if (r.status == 200 && caldav::istSammlung(stand.url, stand.url.resolved(QUrl(r.href)))) {
            adressbuch = r.adressbuch;
            stand.token = r.token;
        }
    });
    if (!eigen.hinzufuegen(antwort.inhalt) || !eigen.vollstaendig())
        return unverstaendlich(frage.verb, antwort);
    if (!adressbuch)
        return Fehler{Fehler::Art::KeinAdressbuch, stand.url.host(), caldav::anzeige(stand.url)};

    // What changed: since the token where the server takes it, else every card's version.
    QList<QPair<QUrl, QByteArray>> gelistet;
    bool seitToken = token && !token->isEmpty();
    for (QString seit = seitToken ? *token : QString(); seitToken;) {
        QList<QPair<QUrl, QByteArray>> teil;
        QStringList weg;
        const Mehrfach m = mehrfach(
            verbindung, {"REPORT", stand.url, aenderungenSeit(seit), {{"Depth", "0"}, {"Content-Type", xml}}},
            stand.url, stand, [&](const QUrl& karte, const caldav::Ressource& r) {
                if (r.status == 404 || r.fehlstatus == 404)
                    weg << name(karte);
                else if (r.status == 200)
                    teil.append({karte, r.etag});
            });
        if (m.fehler && m.fehler->beendetLauf())
            return *m.fehler;
        // Refused, the token or the report: every card's version instead.
        if (m.fehler || m.status != 207 || m.token.isEmpty()) {
            seitToken = false;
            gelistet.clear();
            stand.weg.clear();
            stand.uebergangen.clear();
            break;
        }
        gelistet += teil;
        stand.weg += weg;
        stand.token = m.token;
        if (!m.abgeschnitten)
            break;
        if (gelistet.size() > 1000000 || seit == m.token)
            return Fehler{
                Fehler::Art::Unverstaendlich, stand.url.host(), caldav::anzeige(stand.url), "REPORT", 507, {}};
        seit = m.token;
    }
    if (!seitToken) {
        const Mehrfach m
            = mehrfach(verbindung, {"PROPFIND", stand.url, versionen, {{"Depth", "1"}, {"Content-Type", xml}}},
                       stand.url, stand, [&](const QUrl& karte, const caldav::Ressource& r) {
                           if (r.status == 200 && !r.sammlung)
                               gelistet.append({karte, r.etag});
                       });
        if (m.fehler)
            return *m.fehler;
        if (m.status != 207)
            return caldav::statusfehler(verbindung, "PROPFIND", {m.status, {}, {}, {}, false, {}, stand.url});
        // A listing cut short (507), or one with cards named outside the collection, does not
        // show which cards are gone.
        stand.vollstaendig = !m.abgeschnitten && stand.uebergangen.isEmpty();
        for (const auto& [karte, etag] : std::as_const(gelistet))
            stand.alle << name(karte);
    }

    // The cards whose version is not known yet, a few hundred to a request.
    QList<QUrl> lesen;
    QSet<QString> schonGelistet;
    for (const auto& [karte, etag] : std::as_const(gelistet)) {
        const QString n = name(karte);
        if (!schonGelistet.contains(n) && (etag.isEmpty() || bekannt.value(n) != etag))
            lesen << karte;
        schonGelistet.insert(n);
    }
    QList<QList<QUrl>> offen;
    for (qsizetype ab = 0; ab < lesen.size(); ab += kartenJeAnfrage)
        offen << lesen.mid(ab, kartenJeAnfrage);
    while (!offen.isEmpty()) {
        const QList<QUrl> diese = offen.takeFirst();
        const qsizetype karten = stand.karten.size(), weg = stand.weg.size(), ueber = stand.uebergangen.size();
        // Each card asked for counts once; one named twice, or not asked for, is no card of this run.
        QSet<QString> gefragt;
        for (const QUrl& karte : diese)
            gefragt.insert(name(karte));
        const Mehrfach m
            = mehrfach(verbindung, {"REPORT", stand.url, kartenLesen(diese), {{"Depth", "1"}, {"Content-Type", xml}}},
                       stand.url, stand, [&](const QUrl& karte, const caldav::Ressource& r) {
                           if (!gefragt.remove(name(karte)))
                               return;
                           if (r.status == 404 || r.fehlstatus == 404)
                               stand.weg << name(karte);
                           else if (r.status == 200)
                               stand.karten.append({name(karte), r.etag, r.kalenderdaten, r.zuGross});
                       });
        // Cards with photos may pass the limit together that each keeps: asked for in halves.
        if (m.fehler && m.fehler->art == Fehler::Art::ZuGross && diese.size() > 1) {
            stand.karten.resize(karten);
            stand.weg.resize(weg);
            stand.uebergangen.resize(ueber);
            offen.prepend(diese.mid(diese.size() / 2));
            offen.prepend(diese.first(diese.size() / 2));
            continue;
        }
        if (m.fehler)
            return *m.fehler;
        if (m.status != 207)
            return caldav::statusfehler(verbindung, "REPORT", {m.status, {}, {}, {}, false, {}, stand.url});
    }
    return stand;
}

} // namespace kontakte
