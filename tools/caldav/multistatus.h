// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>
#include <QXmlStreamReader>
#include <functional>

namespace caldav {

// One <response> of a WebDAV multistatus answer (RFC 4918 §13), with the properties of its
// successful <propstat>s.
struct Ressource {
    QString href;       // as the server wrote it; see innerhalb() before using it
    int status = 0;     // the response's own status; else 200 when a property was found, 0 when none
    int fehlstatus = 0; // the first status of the response or a propstat that is not 2xx
    QByteArray etag;
    QByteArray kalenderdaten; // calendar-data (RFC 4791 §9.6), or address-data (RFC 6352 §10.4)
    bool zuGross = false;     // its data was longer than one event or card may be, and left out
    bool sammlung = false;    // resourcetype holds collection
    bool kalender = false;    // resourcetype holds calendar
    bool adressbuch = false;  // resourcetype holds addressbook
    QString token;            // the sync-token property (RFC 6578 §4)
    QStringList komponenten;  // supported-calendar-component-set; empty when not given
};

// Reads a 207 answer as it arrives, piece by piece, and hands over each response as soon as it is
// complete: a calendar of thousands of events is never held whole. Elements are told by their
// namespace, never by prefix; a status inside the answer belongs to its response alone (a 404
// there is one resource that is missing).
class Multistatusleser {
public:
    explicit Multistatusleser(std::function<void(Ressource&&)> je);

    // False once the answer is no XML.
    bool hinzufuegen(QByteArrayView stueck);
    // Whether the whole answer was one well-formed multistatus document.
    bool vollstaendig();
    // The sync-token the answer to a sync-collection report ends with (RFC 6578 §3.2).
    const QString& token() const { return token_; }

private:
    enum class Element { Multistatus, Response, Href, Status, Propstat, Getetag, Kalenderdaten, Token, Anderes };
    void lesen();
    void anfang();
    void ende();
    bool unter(Element e) const { return offen_.size() >= 2 && offen_[offen_.size() - 2] == e; }

    QXmlStreamReader leser_;
    std::function<void(Ressource&&)> je_;
    QList<Element> offen_; // the open elements
    bool multistatus_ = false;
    bool fehler_ = false;
    Ressource ressource_;
    Ressource gefunden_; // the properties of the current propstat
    int propstatus_ = 0;
    bool hatHref_ = false;
    QString text_; // the text of href, status, getetag or sync-token
    QString token_;
};

} // namespace caldav
