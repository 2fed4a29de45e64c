// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "plan.h"
#include "verbindung.h"

#include <QList>
#include <QStringList>
#include <QUrl>
#include <variant>

namespace caldav {

struct Sammlung {
    QUrl url;         // after redirects, ending in "/"
    bool neu = false; // made by this run, so empty
};

// Makes sure that a calendar for events is at `url`: PROPFIND with Depth 0, and MKCALENDAR
// (display name "Gedenkbuch", component VEVENT) when nothing is there. When another run makes it
// at the same moment, it is taken as made. A failure when something else is there, the parent is
// missing, or the server refuses.
std::variant<Sammlung, Fehler> sammlungBereiten(Verbindung& verbindung, const QUrl& url);

// What the calendar holds, from one calendar-query REPORT read as it arrives. The resources are
// those directly inside the collection; `uebergangen` names every other href of the answer, to
// which nothing is ever sent.
struct Bestand {
    QList<Vorhanden> vorhanden;
    QStringList uebergangen;
};
std::variant<Bestand, Fehler> bestandLesen(Verbindung& verbindung, const QUrl& sammlung);

// Whether a write answered by a 207 did what it asked: any status inside that is not 2xx is a
// failure, and so is an answer that is no multistatus.
std::optional<Fehler> mehrfachstatusPruefen(const QByteArray& verb, const Antwort& antwort);

} // namespace caldav
