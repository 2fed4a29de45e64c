// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QUrl>
#include <optional>

namespace caldav {

// One <response> of a WebDAV multistatus answer (RFC 4918 §13), with the properties of its
// successful <propstat>s.
struct Ressource {
    QUrl url;       // its href, resolved against the address that was asked
    int status = 0; // the response's own status; else 200 when a property was found, 0 when none
    QByteArray etag;
    QByteArray kalenderdaten; // calendar-data (RFC 4791 §9.6)
    bool sammlung = false;    // resourcetype holds collection
    bool kalender = false;    // resourcetype holds calendar
    QStringList komponenten;  // supported-calendar-component-set; empty when not given

    QString pfad() const { return url.path(QUrl::FullyDecoded); }
};

// The responses of a 207 answer to a request for `basis`, in their order. Elements are told by
// their namespace, never by prefix; hrefs may be percent-encoded, relative or absolute. A status
// inside the answer belongs to its response alone (a 404 there is one resource that is missing).
// None when the answer is no multistatus document.
std::optional<QList<Ressource>> multistatusLesen(const QByteArray& xml, const QUrl& basis);

} // namespace caldav
