// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "multistatus.h"

#include "transport.h"

namespace caldav {

namespace {

const QString dav = QStringLiteral("DAV:");
const QString caldav = QStringLiteral("urn:ietf:params:xml:ns:caldav");
const QString carddav = QStringLiteral("urn:ietf:params:xml:ns:carddav");
constexpr qsizetype laengsterText = 8192; // an href, a status line, an ETag

// "HTTP/1.1 404 Not Found" -> 404.
int statuszahl(const QString& zeile)
{
    return zeile.simplified().section(u' ', 1, 1).toInt();
}

} // namespace

Multistatusleser::Multistatusleser(std::function<void(Ressource&&)> je) : je_(std::move(je))
{
    leser_.setNamespaceProcessing(true);
}

bool Multistatusleser::hinzufuegen(QByteArrayView stueck)
{
    if (fehler_)
        return false;
    leser_.addData(stueck.toByteArray());
    lesen();
    return !fehler_;
}

bool Multistatusleser::vollstaendig()
{
    lesen();
    return !fehler_ && multistatus_ && leser_.atEnd() && !leser_.hasError() && offen_.isEmpty();
}

void Multistatusleser::lesen()
{
    while (!fehler_ && !leser_.atEnd()) {
        switch (leser_.readNext()) {
        case QXmlStreamReader::StartElement:
            anfang();
            break;
        case QXmlStreamReader::EndElement:
            ende();
            break;
        case QXmlStreamReader::Characters:
            if (offen_.isEmpty())
                break;
            if (offen_.constLast() == Element::Kalenderdaten) {
                const QByteArray daten = leser_.text().toUtf8();
                if (gefunden_.kalenderdaten.size() + daten.size() > einTermin)
                    gefunden_.zuGross = true;
                else
                    gefunden_.kalenderdaten += daten;
            } else if (offen_.constLast() == Element::Href || offen_.constLast() == Element::Status
                       || offen_.constLast() == Element::Getetag || offen_.constLast() == Element::Token) {
                // Cut short, an href would name another resource, an ETag or a token another version.
                if (text_.size() + leser_.text().size() > laengsterText)
                    fehler_ = true;
                else
                    text_ += leser_.text();
            }
            break;
        case QXmlStreamReader::Invalid:
            // More is to come; any other error ends the reading.
            if (leser_.error() != QXmlStreamReader::PrematureEndOfDocumentError)
                fehler_ = true;
            return;
        default:
            break;
        }
    }
}

void Multistatusleser::anfang()
{
    const QStringView ns = leser_.namespaceUri();
    const QStringView name = leser_.name();
    const auto ist = [&](const QString& n, const char* e) { return ns == n && name == QLatin1String(e); };
    Element e = Element::Anderes;
    if (offen_.isEmpty()) {
        // The document element must be DAV:multistatus.
        if (!ist(dav, "multistatus")) {
            fehler_ = true;
            return;
        }
        multistatus_ = true;
        e = Element::Multistatus;
    } else if (ist(dav, "response") && offen_.constLast() == Element::Multistatus) {
        ressource_ = {};
        hatHref_ = false;
        e = Element::Response;
    } else if (ist(dav, "href") && offen_.constLast() == Element::Response) {
        e = Element::Href;
    } else if (ist(dav, "status")
               && (offen_.constLast() == Element::Response || offen_.constLast() == Element::Propstat)) {
        e = Element::Status;
    } else if (ist(dav, "sync-token")
               && (offen_.constLast() == Element::Multistatus || offen_.contains(Element::Propstat))) {
        e = Element::Token;
    } else if (ist(dav, "propstat") && offen_.constLast() == Element::Response) {
        gefunden_ = {};
        propstatus_ = 0;
        e = Element::Propstat;
    } else if (!offen_.contains(Element::Propstat)) {
        e = Element::Anderes;
    } else if (ist(dav, "getetag")) {
        e = Element::Getetag;
    } else if (ist(caldav, "calendar-data") || ist(carddav, "address-data")) {
        e = Element::Kalenderdaten;
    } else if (ist(dav, "collection")) {
        gefunden_.sammlung = true;
    } else if (ist(caldav, "calendar")) {
        gefunden_.kalender = true;
    } else if (ist(carddav, "addressbook")) {
        gefunden_.adressbuch = true;
    } else if (ist(caldav, "comp")) {
        gefunden_.komponenten << leser_.attributes().value(QLatin1String("name")).toString().toUpper();
    }
    if (e == Element::Href || e == Element::Status || e == Element::Getetag || e == Element::Token)
        text_.clear();
    offen_.append(e);
}

void Multistatusleser::ende()
{
    if (offen_.isEmpty())
        return;
    switch (offen_.constLast()) {
    case Element::Href:
        if (!hatHref_)
            ressource_.href = text_.trimmed();
        hatHref_ = true;
        break;
    case Element::Status: {
        const int zahl = statuszahl(text_);
        (unter(Element::Propstat) ? propstatus_ : ressource_.status) = zahl;
        if (zahl / 100 != 2 && ressource_.fehlstatus == 0)
            ressource_.fehlstatus = zahl;
        break;
    }
    case Element::Getetag:
        gefunden_.etag = text_.trimmed().toUtf8();
        break;
    case Element::Token:
        (unter(Element::Multistatus) ? token_ : gefunden_.token) = text_.trimmed();
        break;
    case Element::Propstat:
        if (propstatus_ / 100 == 2) {
            ressource_.etag = gefunden_.etag.isEmpty() ? ressource_.etag : gefunden_.etag;
            ressource_.kalenderdaten += gefunden_.kalenderdaten;
            ressource_.zuGross |= gefunden_.zuGross;
            ressource_.sammlung |= gefunden_.sammlung;
            ressource_.kalender |= gefunden_.kalender;
            ressource_.adressbuch |= gefunden_.adressbuch;
            ressource_.token = gefunden_.token.isEmpty() ? ressource_.token : gefunden_.token;
            ressource_.komponenten += gefunden_.komponenten;
            ressource_.status = ressource_.status ? ressource_.status : 200;
        }
        gefunden_ = {};
        break;
    case Element::Response:
        if (hatHref_)
            je_(std::move(ressource_));
        ressource_ = {};
        break;
    default:
        break;
    }
    offen_.removeLast();
}

} // namespace caldav
