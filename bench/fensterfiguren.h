// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// A figure of the benchmark: `aktion` is timed, `vorher` runs untimed before each run.
struct Figur {
    std::function<void()> vorher;
    std::function<void()> aktion;
};

// The figures of the program itself, in the order they are printed: opening the file, building the
// full list, a refresh of the main window, a lookup, two searches.
const QStringList& fensterfiguren();

// A figure on the file at `pfad`, made with the objects it needs and no others, which live as long
// as the figure does. A process that runs one figure alone holds only what that figure holds.
Figur fensterfigur(const QString& name, const QString& pfad);

// The bench started as "bench_gedenkbuch --figur NAME PFAD": runs that figure once and prints the
// process's peak memory in kB.
int figurAllein(const QString& name, const QString& pfad);
