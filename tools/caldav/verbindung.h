// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "netrc.h"
#include "transport.h"

#include <QUrl>
#include <optional>

namespace caldav {

// Requests to one server through a transport: Basic authentication with the credentials of that
// server only, and redirects followed by hand, a few hops at most, with the same verb, body and
// headers (Qt's own would turn a PROPFIND into a GET). A redirect goes only to the same scheme,
// host and port; for a request to a collection only to that collection, for one to a resource in
// it only to a resource directly inside it.
// Anything else is refused, and nothing is sent there.
class Verbindung {
public:
    Verbindung(Transport& transport, const QUrl& server, std::optional<Zugang> zugang);

    // The answer, whatever its HTTP status; its `fehler` is set when there is none.
    Antwort senden(Anfrage anfrage, const std::optional<QUrl>& sammlung = std::nullopt);

    const std::optional<Zugang>& zugang() const { return zugang_; }

private:
    Transport& transport_;
    QUrl server_;
    std::optional<Zugang> zugang_;
};

// Why an answer did not do what the request asked, by its status: a refused login, a login that
// ~/.netrc does not give, forbidden, or any other status. `verb` and `ort` name the request.
Fehler statusfehler(const Verbindung& verbindung, const QByteArray& verb, const Antwort& antwort);

// An ETag as a server sent it, usable in a header: printable ASCII only, at most 256 bytes. Any
// other counts as none, and the resource is read again.
std::optional<QByteArray> gueltigesEtag(QByteArrayView etag);

} // namespace caldav
