// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

// The database tool timed as it runs, a whole process each time, with the peak memory of its
// process: a card of one 2 MB quoted-printable value folded with soft line breaks
// ("import_gefaltet 2000000"), 100,000 cards into an empty file ("import 100000"), and the
// reminders of a week and the calendar export of a book of 300,000 entries ("heute 300000",
// "export_ics 300000"). Each figure prints "<figure> <entries> <median ms>" and
// "<figure>_spitze <entries> <MB>".
void werkzeugMessen();

// The database tool to its end; fails the bench when it does not end with status 0.
void werkzeug(const QStringList& argumente);
