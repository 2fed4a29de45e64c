// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "satz.h"

#include <QSet>
#include <QStringList>

namespace exchange {

struct Auswahl {
    QList<Satz> uebernehmen;
    QList<Auslassung> auslassungen; // those of the file and those of the rules
    QList<Auslassung> hinweise;     // taken or not, their text lost control characters
};

// The records the program's own rules admit, in file order: a name, a day and a month; a day the
// month has in some year (29 February is one); a name that neither the file (`vergeben`) nor an
// earlier record holds, upper and lower case distinguished; a name of at most
// core::laengsteBezeichnung characters. A year outside 1 to 9999 (0 or 0000 in some address
// books) counts as none.
Auswahl auswaehlen(const Gelesen& gelesen, const QSet<QString>& vergeben);

} // namespace exchange
