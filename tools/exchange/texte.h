// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "auswahl.h"

#include <QStringList>

namespace exchange {

// The one place where the import's kinds become German text, for the commands that report them.

// Why a file is refused, as whole sentences.
QString meldung(const Abweisung& abweisung);

// Why a record of a card or a line is skipped, or what befell it: "ohne Tag oder Monat".
QString grundtext(Gelesen::Quelle quelle, const Auslassung& auslassung);

// "Karte 3 („Anna Berg“): <grund>" or "Zeile 7: <grund>"; a long name shortened.
QString beschreibung(Gelesen::Quelle quelle, const Auslassung& auslassung);

// The report's lines of the skipped and the cleaned records, in file order.
QStringList bericht(Gelesen::Quelle quelle, const Auswahl& auswahl);

} // namespace exchange
