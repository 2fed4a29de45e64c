// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "termin.h"
#include "verbindung.h"

#include <QList>
#include <QUrl>

namespace caldav {

struct Sammlung {
    QUrl url;         // after redirects, ending in "/"
    bool neu = false; // made by this run, so empty
};

// Makes sure that a calendar for events is at `url`: PROPFIND with Depth 0, and MKCALENDAR
// (display name "Gedenkbuch", component VEVENT) when nothing is there. Throws Fehler when
// something else is there, the parent is missing, or the server refuses.
Sammlung sammlungBereiten(Verbindung& verbindung, const QUrl& url);

// An event of ours in the collection, where it is and in which version.
struct Vorhanden {
    QUrl url;
    QByteArray etag;
    EigenerTermin termin;
};

// Our events in the calendar, read with one calendar-query REPORT. Every other resource is
// someone else's and left out.
QList<Vorhanden> eigeneTermine(Verbindung& verbindung, const QUrl& sammlung);

// The German message for an answer that did not do what `anfrage` asked: refused credentials,
// forbidden, or the status.
[[noreturn]] void statusfehler(const Verbindung& verbindung, const Anfrage& anfrage, const Antwort& antwort);

} // namespace caldav
