// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "eintrag.h"
#include "zeile.h"

#include <QDate>
#include <QHash>
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

// The lists of some days: for each day every entry whose day and month fall on it, in the order
// the entries are taken (store order), as its name with the age it reaches in that day's year.
// 29 February exists only in leap years; an entry of 31 April never shows. Entries are taken one
// by one, so a walk keeps only the days' lines, never the entries.
class Tagesfilter {
public:
    explicit Tagesfilter(const QList<QDate>& tage);
    void aufnehmen(const Eintrag& eintrag);
    const QList<QList<Zeile>>& listen() const { return listen_; }

private:
    QList<QDate> tage_;
    QHash<int, QList<qsizetype>> tageNachDatum_; // month * 100 + day: a run longer than a year holds a date twice
    QList<QList<Zeile>> listen_;
};

// The nine days of the day window from today.
QList<QDate> fenstertage(QDate heute);

using Tageslisten = std::array<QList<Zeile>, tagesanzahl>;

// The caption with the number of its day's entries: "Heute: Mittwoch, 30.12.2026 (2)".
QString mitAnzahl(const QString& titel, qsizetype anzahl);

// The line of the full list with the first anniversary after the day window, that is from
// today + 7 days on in calendar order, wrapping from 31 December to 1 January; among lines of one
// date the first. -1 when no line has a month from 1 to 12. The lines are those of the full list.
int naechsterJahrestag(const QList<Zeile>& zeilen, QDate heute);

} // namespace core
