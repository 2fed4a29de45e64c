// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The publication of 1,000 entries to a Radicale on this machine: "kalender 1000 <median ms>
// (<n> Anfragen)" for the first run into a new calendar, "kalender_unveraendert …" for the second
// run that finds nothing to do. Without Radicale it says so and measures nothing.
void kalenderMessen(int runden);
