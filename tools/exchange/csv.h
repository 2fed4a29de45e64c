// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "satz.h"

#include "core/eintrag.h"

#include <QByteArray>

namespace exchange {

// The records of a CSV file, comma, semicolon or tab separated, in UTF-8 or Windows-1252, without
// a byte order mark. The first line names the columns, in German or English: the name
// ("Bezeichnung", "Name", or "Vorname" and "Nachname"), the date ("tag" and "monat" with an
// optional "jahr", or a whole date such as "Geburtstag"), the remarks ("Bemerkungen", "Notizen").
// Other columns are ignored. Names lose control characters and surrounding blanks, remarks every
// control character but line feed and tab; a cell guarded against being taken for a formula
// loses its apostrophe. Throws Abweisung for a header without name or date columns, an unclosed
// quote, an unknown encoding, and a file that mixes UTF-8 with other bytes.
Gelesen csvLesen(QByteArray inhalt);

// RFC 4180 in UTF-8, written line by line: the header "Bezeichnung,tag,monat,jahr,Bemerkungen",
// then one line per entry, each ending in CR LF. A field is quoted when it holds a comma, a
// semicolon, a quote or a line break; one that a spreadsheet would take for a formula gets an
// apostrophe before it. Control characters are left out as on the way in.
QByteArray csvKopf();
QByteArray csvZeile(const core::Eintrag& eintrag);

} // namespace exchange
