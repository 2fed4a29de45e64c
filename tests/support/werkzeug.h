// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

struct Lauf {
    int status; // -1 when the program crashed or did not end
    QString ausgabe, fehler;
};

// Runs a program in a folder, with more environment ("NAME=Wert"; a bare "NAME" removes it) and its
// standard output into a file if one is named. An argument "printf:FORMAT" is what printf makes of
// FORMAT ("printf:a\\377" is the bytes "a\xff"). The event loop runs meanwhile, so a service of this
// process can answer it.
// A run that does not end within the time is killed and counts as a hang.
Lauf starten(const QString& programm, const QStringList& argumente, const QString& ordner,
             const QStringList& umgebung = {}, int sekunden = 60, const QString& ausgabe = {});

// The database tool gedenkbuch-daten, and where it lies. Its per-user data folder is one where
// nothing is, unless `umgebung` names another: no test reads or changes the book of whoever runs it.
inline QString werkzeugpfad()
{
    return QStringLiteral(GEDENKBUCH_DATEN);
}
Lauf werkzeug(const QStringList& argumente, const QString& ordner, const QStringList& umgebung = {}, int sekunden = 60,
              const QString& ausgabe = {});

// The tool with a limit on the size of every file it writes, as a nearly full disk sets one.
Lauf werkzeugMitGrenze(qint64 bytes, const QStringList& argumente, const QString& ordner, const QString& ausgabe = {});
