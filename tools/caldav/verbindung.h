// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "netrc.h"

#include <QList>
#include <QNetworkAccessManager>
#include <QPair>
#include <QUrl>
#include <optional>

namespace caldav {

struct Anfrage {
    QByteArray verb; // PROPFIND, REPORT, PUT, …
    QUrl url;
    QByteArray inhalt;
    QList<QPair<QByteArray, QByteArray>> kopf; // Depth, If-Match, Content-Type, …
};

struct Antwort {
    int status = 0;
    QByteArray inhalt;
    QByteArray etag;
    QUrl url; // where the answer came from, after redirects
};

// The client: one request at a time, waiting at most 30 s for each. Redirects are followed here, a
// few hops at most, with the same verb, body and headers (Qt's own would turn a PROPFIND into a
// GET). Every address, also a redirect's, obeys adressfehler. Basic authentication goes only to
// the server of the first address, and only the credentials of that server.
class Verbindung {
public:
    Verbindung(const QUrl& server, std::optional<Zugang> zugang);

    // The server's answer, whatever its HTTP status. Throws Fehler when there is none: the server
    // is unreachable, its certificate was refused, or a redirect leads somewhere refused.
    Antwort senden(const Anfrage& anfrage);

    const QUrl& server() const { return server_; }
    const std::optional<Zugang>& zugang() const { return zugang_; }

private:
    QNetworkAccessManager netz_;
    QUrl server_;
    std::optional<Zugang> zugang_;
};

} // namespace caldav
