// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fehler.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QPair>
#include <QUrl>
#include <functional>
#include <optional>

namespace caldav {

// How much of an answer is taken. A server is a stranger: what it sends beyond is never read.
inline constexpr qint64 kleineAntwort = 1 << 20; // a status page, a collection's own properties
inline constexpr qint64 einTermin = 4 << 20;     // one calendar object
inline constexpr qint64 ganzeListe = 48 << 20;   // the multistatus of every event in a calendar

using Kopfzeilen = QList<QPair<QByteArray, QByteArray>>;

struct Anfrage {
    QByteArray verb; // PROPFIND, REPORT, PUT, …
    QUrl url;
    QByteArray inhalt = {};
    Kopfzeilen kopf = {}; // Depth, If-Match, Content-Type, …
    qint64 grenze = kleineAntwort;
    // Where set, the body goes here piece by piece as it arrives instead of into Antwort::inhalt,
    // so that a large answer is never held whole. Returning false ends the request.
    std::function<bool(QByteArrayView)> empfang = {};
};

struct Antwort {
    int status = 0;
    QByteArray inhalt = {};
    QByteArray etag = {};              // the ETag header as sent
    QByteArray ziel = {};              // the Location header as sent
    bool abgebrochen = false;          // `empfang` refused a piece
    std::optional<Fehler> fehler = {}; // no whole answer: the connection failed, or it was too large
    QUrl url = {};                     // the address that answered; set by Verbindung after redirects
};

// One request, one answer: no credentials but those in `kopf`, no redirect followed, every answer
// bounded in time and size. The program sends through a socket of its own; tests put a server's
// recorded conversation in its place.
class Transport {
public:
    virtual ~Transport() = default;
    virtual Antwort senden(const Anfrage& anfrage) = 0;
};

} // namespace caldav
