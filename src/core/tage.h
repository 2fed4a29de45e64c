#pragma once

#include "eintrag.h"
#include "zeile.h"

#include <QDate>
#include <QList>
#include <array>

namespace core {

// The day window: nine day slots from the day before yesterday (slot 0) to six days ahead
// (slot 8); slot k stands for today + (k - 2) days.
inline constexpr int tagesanzahl = 9;
inline constexpr int heuteSlot = 2;

QDate slotdatum(int slot, QDate heute);

// A day `abstand` days from today as captions name it: its relative-day word, if it has one
// ("Vorgestern" to "Übermorgen"), and its date, "Heute: Mittwoch, 30.12.2026".
QString tagestitel(int abstand, QDate heute);

// The caption of a slot of the day window.
QString tagesanzeige(int slot, QDate heute);

// For each of the days, every entry whose day and month fall on it, in store order, as its name
// with the age it reaches in that day's year. 29 February exists only in leap years; an entry of
// 31 April never shows.
QList<QList<Zeile>> tageslisten(const QList<Eintrag>& eintraege, const QList<QDate>& tage);

using Tageslisten = std::array<QList<Zeile>, tagesanzahl>;

// The lists of the nine days of the day window.
Tageslisten erinnerungsaufbau(const QList<Eintrag>& eintraege, QDate heute);

// The caption with the number of its day's entries: "Heute: Mittwoch, 30.12.2026 (2)".
QString mitAnzahl(const QString& titel, qsizetype anzahl);

// The line of the full list with the first anniversary after the day window, that is from
// today + 7 days on in calendar order, wrapping from 31 December to 1 January; among lines of one
// date the first. -1 when no line has a date to find. The lines are those of the full list.
int naechsterJahrestag(const QList<Zeile>& zeilen, QDate heute);

} // namespace core
