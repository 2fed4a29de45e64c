// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "caldav/verbindung.h"

#include <QHash>
#include <QList>
#include <QStringList>
#include <QUrl>
#include <optional>
#include <variant>

namespace kontakte {

// A card of the address book, read whole.
struct Karte {
    QString name; // its resource name in the collection
    QByteArray etag;
    QByteArray vcard;
    bool zuGross = false; // longer than any card may be, and not read
};

// What changed in an address book since the last run.
struct Stand {
    QUrl url;                  // the collection, after redirects
    QList<Karte> karten;       // cards new or changed since, read whole
    QStringList weg;           // names of cards that are gone
    bool vollstaendig = false; // every card is listed in `alle`: a remembered card not there is gone
    QStringList alle;
    QString token;           // asks for the changes since this run next time; empty when none came
    QStringList uebergangen; // hrefs of the server outside the collection
};

// Reads the address book at `url` (RFC 6352): with `token` the changes since then by a
// sync-collection report (RFC 6578); without one, or where the server refuses it or the token, all
// card versions by PROPFIND. Cards whose version `bekannt` holds already are not read again; the
// others come by addressbook-multiget. The client's rules are the calendar's: hrefs only inside
// the collection, answers bounded, redirects on the server.
std::variant<Stand, caldav::Fehler> lesen(caldav::Verbindung& verbindung, const QUrl& url,
                                          const std::optional<QString>& token,
                                          const QHash<QString, QByteArray>& bekannt);

} // namespace kontakte
