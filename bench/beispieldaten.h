// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Creates daten.mdb at `pfad` with `anzahl` made-up entries (names, dates, some without a year,
// some with remarks), written in one transaction. The same seed gives the same entries.
void beispieldatenbank(const QString& pfad, int anzahl, quint32 seed = 1);

// Writes a vCard file of `anzahl` cards at `pfad` as address books export them: versions 3.0 and
// 4.0, birthdays with and without a year, some wedding days, folded notes. Every card gives
// entries the import takes.
void beispielkarten(const QString& pfad, int anzahl, quint32 seed = 1);

// Writes a vCard file of one card at `pfad` whose note is one quoted-printable value of about
// `bytes` bytes, folded with soft line breaks and blanks, behind a head whose quote never closes.
void gefalteteKarte(const QString& pfad, int bytes);
