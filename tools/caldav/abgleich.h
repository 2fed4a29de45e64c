// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "plan.h"
#include "verbindung.h"

#include "core/eintrag.h"

#include <QList>
#include <QPair>
#include <QStringList>
#include <QUrl>
#include <optional>

namespace caldav {

struct Bericht {
    QUrl sammlung; // after redirects
    int neu = 0;
    int geaendert = 0;
    int entfernt = 0;
    int unveraendert = 0;
    QStringList wiederhergestellt = {};                // entries whose event someone else had changed
    QList<QPair<QString, QString>> ausgewichen = {};   // entry, the resource name it got instead of its own
    QStringList uebergangen = {};                      // hrefs of the server outside the collection
    QList<QPair<QString, Fehler>> fehlgeschlagen = {}; // entry, or resource, and why
    QList<QPair<QString, Fehler>> nichtEntfernt = {};  // resource of an event no entry asks for, and why
    std::optional<Fehler> abbruch = {};                // the run could not go on from here, or not even start
    bool vollstaendig() const { return fehlgeschlagen.isEmpty() && nichtEntfernt.isEmpty() && !abbruch; }
};

// What the events show besides the entry: an alarm `vorlauf` days before, and with `alterIm` the
// age reached in that year and the next on those occurrences.
struct Terminform {
    std::optional<int> vorlauf;
    std::optional<int> alterIm;
};

// The events the book asks for: one yearly all-day event per entry, in the entries' order (store
// order, by which the second entry of a name gets its own UID).
QList<Soll> sollTermine(const QList<core::Eintrag>& eintraege, const Terminform& form);

// Carries out a plan. A write is conditional: new events with If-None-Match: *, changes and
// removals with If-Match and the ETag read. A 412 is read again and tried once more with the fresh
// ETag; a name another program took meanwhile gives way to the next free one. A failure with one
// event is noted and the run goes on with the rest, unless the server is gone or refuses this user.
void ausfuehren(Verbindung& verbindung, const QUrl& sammlung, const Plan& plan, const QList<Soll>& soll,
                Bericht& bericht);

// Publishes the entries to the calendar at `url`: makes it where nothing is, reads what it holds,
// plans and carries out the plan.
Bericht veroeffentlichen(Verbindung& verbindung, const QUrl& url, const QList<core::Eintrag>& eintraege,
                         const Terminform& form);

} // namespace caldav
