// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "kanal.h"

#include <QDate>
#include <QString>
#include <QTextStream>

namespace caldav {
class Transport;
}

namespace daten {

// Where the user's things are, as the environment named them when the program started.
struct Orte {
    QString heim = {};      // the home folder, with ~/.netrc
    QString daten = {};     // the per-user data folder, where the menu start keeps the book
    QString autostart = {}; // the folder of the session's autostart entries
    QString programm = {};  // this program; gedenkbuch-starten lies beside it
};

// The places of the running program, from its environment.
Orte orteDesSystems();

// What a command takes from outside the book: its output, today's date, the user's places and
// the network. The program hands over those of its process; a test its own.
struct Kontext {
    QTextStream& aus;    // standard output, for text
    QTextStream& fehler; // standard error
    Kanal& ausgabe;      // standard output itself, for data written as it is
    QDate heute;
    Orte orte;
    caldav::Transport& netz;
};

} // namespace daten
