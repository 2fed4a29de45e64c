#pragma once

#include "core/eintrag.h"

#include <QByteArray>
#include <QDate>
#include <QList>

namespace exchange {

// The year an event starts in when its entry has no year to start in; a leap year, so that
// 29 February keeps its day.
inline constexpr int schaltjahr = 2000;

// The first day of an entry's yearly event: its day in its year, so that calendars can count the
// years, or in `schaltjahr` when the entry has no year, one after `diesesJahr` (a calendar would
// then leave out the years before it, which the program's day lists show), or one in which the
// day does not exist (29 February 2023).
QDate beginn(const core::Eintrag& eintrag, int diesesJahr);

// An iCalendar file (RFC 5545) with one yearly all-day event per entry, in the given order: the
// name as SUMMARY, the remarks as DESCRIPTION, and a UID made of the entry's identity, which stays
// the same across exports as long as the entry exists.
QByteArray kalenderSchreiben(const QList<core::Eintrag>& eintraege, int diesesJahr);

} // namespace exchange
