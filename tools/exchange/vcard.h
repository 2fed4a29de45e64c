// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "satz.h"

#include <QByteArrayView>

namespace exchange {

// The entries in the cards of a vCard file (2.1, 3.0 or 4.0), without a byte order mark. A card
// gives an entry for its birthday (BDAY) under its name, one for its wedding day (ANNIVERSARY,
// X-ANNIVERSARY, X-EVOLUTION-ANNIVERSARY, or an X-ABDATE labelled as an anniversary) as
// "Hochzeitstag <name>", and one for its day of death (DEATHDATE) as "Todestag <name>". The name is
// FN, else given and family name from N, else the first NICKNAME.
// Throws Abweisung for a truncated card, a line outside the cards, and an unknown charset or
// encoding.
Gelesen vcardLesen(QByteArrayView inhalt);

// "Geburtstag", "Hochzeitstag", "Todestag": the word before the name of an entry for that date.
QString anlassname(Anlass anlass);

} // namespace exchange
