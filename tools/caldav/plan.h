// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "termin/kennung.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QUrl>
#include <optional>

namespace caldav {

// A resource in the calendar, as the listing found it.
struct Vorhanden {
    QUrl url;                            // directly inside the collection
    std::optional<QByteArray> etag = {}; // none when the server gave none fit for a header
    QString uid = {};                    // of its event; empty when it holds none that could be read
    QByteArray kern = {};                // see termin::Gelesen
    bool unberuehrt = false;             // as this program wrote it
};

// The event an entry of the book asks for.
struct Soll {
    QString eintrag; // the entry's name, as reports name it
    termin::Kennung kennung;
    QByteArray inhalt; // the calendar object to write
    QByteArray kern;
};

struct Schritt {
    enum class Art { Anlegen, Ersetzen, Entfernen };
    Art art;
    QUrl url;
    std::optional<QByteArray> etag = {}; // Ersetzen and Entfernen: the version read; none: read it first
    qsizetype soll = -1;                 // Anlegen and Ersetzen: the event to write
    QString uid = {};                    // Ersetzen and Entfernen: whose event is replaced or removed
    bool anderswoGeaendert = false;      // Ersetzen: someone else changed the event since it was written
    int ausweichen = 0;                  // Anlegen: 0 for the entry's own resource name, else the alternative
};

struct Plan {
    QList<Schritt> schritte; // new events first, removals last: a cut-off run leaves nothing missing
    qsizetype unveraendert = 0;
};

// What to change so that the calendar shows the book: a pure function of what the server holds
// and what the book asks for. The calendar is a view of the book:
// - each entry's event is found by its UID, wherever it lies; one that differs in anything a
//   user sees is written anew, also when a phone added a changed occurrence or a program dropped
//   our fingerprint; two resources of one UID keep the one under the entry's own name;
// - a new event goes under the entry's own resource name, or under the next free alternative when
//   another program's resource lies there;
// - events of ours that no entry asks for are removed, and those of the earlier UID form made
//   from record numbers, which the engine reuses, are replaced;
// - every other resource stays untouched. The same address listed twice is one resource.
Plan planen(const QUrl& sammlung, const QList<Vorhanden>& vorhanden, const QList<Soll>& soll);

} // namespace caldav
