// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// Peak memory, the highest resident set of a whole process, in MB.

// The bench started as "bench_gedenkbuch --spitze PROGRAMM ARGUMENTE…": runs the program, its output
// discarded, and prints its peak in kB. At exec the kernel keeps in a process's peak the memory it
// had before, so a program started from the large bench would report the bench's memory; started
// from this small process it reports its own.
int spitzeMelden(char* programm[]);

// The peak of a program run to its end; fails the bench when it does not end with status 0.
double programmSpitze(const QString& programm, const QStringList& argumente);

// The peak of a process that runs one figure once and does nothing else (see figurAllein).
double figurSpitze(const QString& figur, const QString& pfad);

// Prints "<figure>_spitze <entries> <MB>".
void spitzeAusgeben(const QString& figur, int eintraege, double mb);
