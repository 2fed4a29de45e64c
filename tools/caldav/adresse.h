// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fehler.h"

#include <QHostAddress>
#include <QList>
#include <QString>
#include <QUrl>
#include <functional>
#include <optional>

namespace caldav {

// The addresses a name resolves to; tests put their own in place of the system's resolver.
using Aufloesen = std::function<QList<QHostAddress>(const QString& name)>;
QList<QHostAddress> systemAufloesen(const QString& name);

// Whether a server is this computer: a loopback address (127.0.0.0/8, ::1), or a name every address
// of which is one. "localhost" counts only as what it resolves to.
bool istLoopback(const QString& host, const Aufloesen& aufloesen);

// The address of a collection as the user typed it, parsed once: none, with the failure, when the
// program does not connect there. Only http and https, plain http only to this computer (Basic
// authentication would send the password in clear), and no password inside the address.
std::optional<Fehler> adressfehler(const QString& getippt, const Aufloesen& aufloesen = systemAufloesen);

// Whether two addresses are the same server: scheme, host and port. Credentials and redirects stay
// with the server they are for.
bool gleicherServer(const QUrl& a, const QUrl& b);

// The address with a "/" at the end of its path: a collection.
QUrl alsSammlung(QUrl url);

// The resource an href of a server's answer names, when it lies directly inside the collection:
// resolved against it and decoded, on the same scheme, host and port, one path segment below the
// collection's own path, without dot segments, without an encoded "/" or a control character.
// None for any other href, which the program then never sends a request to.
std::optional<QUrl> innerhalb(const QUrl& sammlung, const QString& href);

// Whether an address is the collection itself.
bool istSammlung(const QUrl& sammlung, const QUrl& url);

// The address as reports name one the server gave: without user name and password.
QString anzeige(const QUrl& url);

} // namespace caldav
