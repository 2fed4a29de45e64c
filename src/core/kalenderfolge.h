// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "zeile.h"

#include <QList>

namespace core {

// Sorts lines into the order of the full list, which is the order of their texts: by the date as
// the lines show it, then by the name and age behind it, upper and lower case alike, in German
// collation ("Ärger" among the A). Lines that compare equal keep their order, so adding lines at
// once or one by one behind the others gives the same list.
void kalenderfolge(QList<Zeile>& zeilen);

} // namespace core
