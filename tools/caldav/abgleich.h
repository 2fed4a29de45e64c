// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "verbindung.h"

#include "core/eintrag.h"

#include <QList>
#include <QUrl>
#include <optional>

namespace caldav {

struct Bericht {
    QUrl sammlung; // after redirects
    int neu = 0;
    int geaendert = 0;
    int entfernt = 0;
    int unveraendert = 0;
};

// Publishes the entries to the calendar at `url`, one event each (see terminSchreiben), and
// changes only what differs: new events are made with If-None-Match: *, changed ones written and
// those of entries that are gone deleted with If-Match and their ETag. Events this program did
// not write stay untouched. A 412 is read again and tried once more. Throws Fehler at the first
// failure; what was done until then stays done, and a later run goes on from there.
Bericht veroeffentlichen(Verbindung& verbindung, const QUrl& url, const QList<core::Eintrag>& eintraege,
                         std::optional<int> vorlauf);

} // namespace caldav
