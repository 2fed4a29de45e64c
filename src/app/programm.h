// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace ui {
struct Dienste;
}

// Runs the program: when it already runs in the working directory, the running one is asked to
// show its window and this start ends with 0. Otherwise daten.mdb in the working directory is
// opened and checked while the start-up window stands, and after 2000 ms the main window takes
// over until the user closes it.
// Gives the exit status: 1 when daten.mdb could not be opened, also when another file took its
// place and that could not be opened, or the running program did not answer; otherwise 0.
int gedenkbuchAusfuehren(ui::Dienste& dienste);

// Whether the environment names a display to show windows on, for the platform Qt would take.
// Asked before the application object exists: without a display Qt ends the program itself, with
// messages of its own in English.
bool anzeigeErreichbar();
