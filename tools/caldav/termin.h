// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/eintrag.h"

#include <QByteArray>
#include <QDate>
#include <optional>

namespace caldav {

// The first day of an entry's yearly event: its month and day on or after 1 January 1970
// (29 February: 1972). Phones hide or shift yearly events that start long before; the year of
// birth goes into the description instead.
QDate terminbeginn(const core::Eintrag& eintrag);

// The calendar object of one entry: one VCALENDAR holding one all-day VEVENT, yearly from
// terminbeginn, the name as SUMMARY, "Jahr: 1985" and the remarks as DESCRIPTION, the UID of the
// ICS export, and X-GEDENKBUCH-INHALT: a fingerprint of everything in the event except DTSTAMP,
// by which a later run tells that nothing changed. With `vorlauf`, an alarm at 09:00 local time
// that many days before the day.
struct Termin {
    QByteArray inhalt;
    QByteArray fingerabdruck;
};
Termin terminSchreiben(const core::Eintrag& eintrag, std::optional<int> vorlauf);

// The resource name of an entry's event inside the collection.
QString ressourcenname(qint64 id);

// A calendar object this program wrote: its entry and fingerprint. Anything else, also an event
// with our UID but without our fingerprint, is someone else's and gives none.
struct EigenerTermin {
    qint64 id = 0;
    QByteArray fingerabdruck;
};
std::optional<EigenerTermin> eigenerTermin(const QByteArray& kalenderdaten);

} // namespace caldav
