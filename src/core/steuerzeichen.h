// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace core {

// Text that comes from outside (a file, another program) is cleaned on its way in and again on
// its way out, so that no control character reaches a terminal, a notification or a file written
// for others, and a NUL never cuts a text short. Control characters are C0 (U+0000 to U+001F),
// DEL and C1 (U+0080 to U+009F).

// A name as one line: a tab, a line break or a line or paragraph separator becomes a blank, every
// other control character goes. Blanks are kept as they are.
QString einzeilig(QStringView text);
// The same for a whole string: a clean one is given back as it is, without a copy.
QString einzeilig(const QString& text);

// Remarks: line feeds and tabs stay, CR LF and a lone CR become a line feed, every other control
// character goes.
QString mehrzeilig(QStringView text);

} // namespace core
