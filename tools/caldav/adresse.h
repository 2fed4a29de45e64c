// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QUrl>

namespace caldav {

// The loopback address: 127.0.0.0/8, ::1 and "localhost".
bool istLoopback(const QString& host);

// Why the program does not connect to `url`, empty when it may: only http and https, plain http
// only to the loopback address (Basic authentication would send the password in clear), and no
// password inside the address itself.
QString adressfehler(const QUrl& url);

// Whether two addresses are the same server: scheme, host and port. Credentials go only to the
// server they are for, so never after a redirect to another host or from https to http.
bool gleicherServer(const QUrl& a, const QUrl& b);

// The address as reports name it: without user name and password.
QString anzeige(const QUrl& url);

} // namespace caldav
