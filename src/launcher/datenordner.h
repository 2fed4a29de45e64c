// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace starter {

// Makes sure the folder can hold the program's data: creates it (mode 0700) and an empty
// daten.mdb in it (mode 0600) where they are missing. Whatever exists is left as it is, even a
// file the program will not open. Gives a German message for the user when the folder cannot be
// created or written, an empty text when the program can start.
QString datenordnerBereiten(const QString& ordner);

} // namespace starter
