// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/eintrag.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <optional>

namespace termin {

// The first day of an entry's yearly event in a file for other programs: the entry's day in its
// year, so that calendars can count the years, or in the leap year 2000 when the entry has no year,
// one after `diesesJahr` (a calendar would then leave out the years before it, which the day lists
// show), or one in which the day does not exist (29 February 2023).
QDate beginnImExport(const core::Eintrag& eintrag, int diesesJahr);

// The first day in a calendar that phones show: the entry's month and day on or after 1 January
// 1970 (29 February: 1972). Phones hide or shift yearly events that start long before; the year of
// birth goes into the description instead.
QDate beginnImKalender(const core::Eintrag& eintrag);

// The description in a file: the remarks. In a phone's calendar: "Jahr: 1985" when the entry has
// a year, then a blank line and the remarks.
QString beschreibungImExport(const core::Eintrag& eintrag);
QString beschreibungImKalender(const core::Eintrag& eintrag);

// One occurrence of a yearly event shown otherwise than the rest: its day and its title.
struct Vorkommen {
    QDate tag;
    QString titel;
};

// One yearly all-day event as typed values: from `beginn` on every year on that day, all day, the
// day kept free. 29 February recurs in leap years only, as in the day lists. Occurrences in
// `vorkommen` carry their own title (RFC 5545 overrides with a RECURRENCE-ID), with the same
// description and alarm as every other.
struct Jahrestermin {
    QString uid;
    QDate beginn;
    QString titel;              // SUMMARY, one line
    QString beschreibung;       // DESCRIPTION; none when empty
    std::optional<int> vorlauf; // an alarm at 09:00 local time that many days before the day
    QList<Vorkommen> vorkommen = {};
};

// An entry's event with its name as the title, text cleaned as on every way out.
Jahrestermin jahrestermin(const core::Eintrag& eintrag, const QString& uid, QDate beginn, const QString& beschreibung,
                          std::optional<int> vorlauf = std::nullopt);

// The occurrences of the year `diesesJahr` and the next one, each with the age the entry reaches
// in it, "Anna Berg (41)", as the day lists count it: for an entry with a year, on the days it has
// in those years (29 February in a leap year only).
QList<Vorkommen> mitAlter(const core::Eintrag& eintrag, const QString& titel, int diesesJahr);

// An iCalendar file written event by event: its opening lines, the VEVENT of each entry stamped
// with `zeitstempel` (seconds since 1970, UTC), and its closing line. Writing each event on its
// own keeps no more than one alive, however large the book.
QByteArray dateianfang();
QByteArray veventText(const Jahrestermin& termin, qint64 zeitstempel);
QByteArray dateiende();

// The calendar object of one CalDAV resource: a VCALENDAR holding the one VEVENT, stamped now, and
// its `kern` as X-GEDENKBUCH-INHALT.
struct Kalenderobjekt {
    QByteArray inhalt;
    QByteArray kern;
};
Kalenderobjekt kalenderobjekt(const Jahrestermin& termin);

// A calendar object as a server holds it. `kern` is a sum of all a user sees of it: the event's
// dates, rule, texts and alarms, and every further event under its UID (a phone's change of one
// occurrence) or other date rule. It equals the kern of a Jahrestermin written the same way, how
// ever a server lays the text out, and differs once someone changed what it shows. `unberuehrt`:
// it still holds the X-GEDENKBUCH-INHALT it was written with, and that matches its content.
struct Gelesen {
    QString uid; // of its first VEVENT, empty without one
    QByteArray kern;
    bool unberuehrt = false;
};
std::optional<Gelesen> lesen(const QByteArray& kalenderdaten);

} // namespace termin
