// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "verbindung.h"

#include "adresse.h"

namespace caldav {

namespace {

constexpr int umleitungen = 5;

bool istUmleitung(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

} // namespace

Verbindung::Verbindung(Transport& transport, const QUrl& server, std::optional<Zugang> zugang)
    : transport_(transport), server_(server), zugang_(std::move(zugang))
{
}

Antwort Verbindung::senden(Anfrage anfrage, const std::optional<QUrl>& sammlung)
{
    if (zugang_) {
        const QByteArray basic = (zugang_->login + u':' + zugang_->passwort).toUtf8().toBase64();
        anfrage.kopf.append({"Authorization", "Basic " + basic});
    }
    // A request to the collection may be sent on to it under another name; one to a resource only
    // to a resource, never to the collection, whose DELETE would take every event with it.
    const bool anDieSammlung = sammlung && istSammlung(*sammlung, anfrage.url);
    for (int sprung = 0;; ++sprung) {
        Antwort antwort = transport_.senden(anfrage);
        antwort.url = anfrage.url;
        if (antwort.fehler || !istUmleitung(antwort.status))
            return antwort;
        const QUrl ziel = anfrage.url.resolved(QUrl::fromEncoded(antwort.ziel, QUrl::StrictMode));
        const bool erlaubt = ziel.isValid() && gleicherServer(ziel, server_) && ziel.userInfo().isEmpty()
            && (!sammlung
                || (anDieSammlung ? istSammlung(*sammlung, ziel)
                                  : innerhalb(*sammlung, QString::fromUtf8(ziel.toEncoded())).has_value()));
        if (!erlaubt) {
            // Named with its port: a redirect to another port of the same host is one to another server.
            const QString von
                = server_.port() < 0 ? server_.host() : QStringLiteral("%1:%2").arg(server_.host()).arg(server_.port());
            antwort.fehler = Fehler{Fehler::Art::UmleitungAnderswohin, von,
                                    ziel.isValid() ? anzeige(ziel) : QString::fromLatin1(antwort.ziel)};
            return antwort;
        }
        if (sprung >= umleitungen) {
            antwort.fehler
                = Fehler{Fehler::Art::ZuVieleUmleitungen, server_.host(), anzeige(anfrage.url), {}, umleitungen, {}};
            return antwort;
        }
        anfrage.url = ziel;
    }
}

Fehler statusfehler(const Verbindung& verbindung, const QByteArray& verb, const Antwort& antwort)
{
    const QString server = antwort.url.host();
    if (antwort.status == 401 && verbindung.zugang())
        return {Fehler::Art::AnmeldungAbgelehnt, server, anzeige(antwort.url), verb, 401, verbindung.zugang()->login};
    if (antwort.status == 401)
        return {Fehler::Art::KeinZugang, server, anzeige(antwort.url), verb, 401, {}};
    if (antwort.status == 403)
        return {Fehler::Art::Verboten, server, anzeige(antwort.url), verb, 403, {}};
    return {Fehler::Art::Status, server, anzeige(antwort.url), verb, antwort.status, {}};
}

std::optional<QByteArray> gueltigesEtag(QByteArrayView etag)
{
    const QByteArrayView wert = etag.trimmed();
    if (wert.isEmpty() || wert.size() > 256)
        return std::nullopt;
    for (const char c : wert) {
        if (c < 0x21 || c > 0x7e)
            return std::nullopt;
    }
    return wert.toByteArray();
}

} // namespace caldav
