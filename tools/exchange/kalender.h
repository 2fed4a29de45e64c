// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/eintrag.h"

#include <QByteArray>
#include <QDate>

namespace exchange {

// The year an event starts in when its entry has no year to start in; a leap year, so that
// 29 February keeps its day.
inline constexpr int schaltjahr = 2000;

// The first day of an entry's yearly event: its day in its year, so that calendars can count the
// years, or in `schaltjahr` when the entry has no year, one after `diesesJahr` (a calendar would
// then leave out the years before it, which the program's day lists show), or one in which the
// day does not exist (29 February 2023).
QDate beginn(const core::Eintrag& eintrag, int diesesJahr);

// An iCalendar file (RFC 5545) written event by event: anfang(), termin() for each entry, ende().
// Each entry is a yearly all-day event with the name as SUMMARY, the remarks as DESCRIPTION, and a
// UID made of the entry's identity, which stays the same across exports as long as the entry
// exists. Control characters, which RFC 5545 forbids in text, are left out.
class Kalenderschreiber {
public:
    Kalenderschreiber();
    QByteArray anfang() const { return anfang_; }
    QByteArray termin(const core::Eintrag& eintrag, int diesesJahr) const;
    QByteArray ende() const;

private:
    QByteArray anfang_;
    qint64 jetzt_; // DTSTAMP, the same for every event of the file
};

} // namespace exchange
