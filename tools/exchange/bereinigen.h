// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace exchange {

// core::einzeilig and core::mehrzeilig for text from a file; each sets `entfernt` when it removed a
// character. A tab or a line end that became a blank, and CR LF that became LF, are no removal:
// only a removal is worth a line in the import's report.
QString einzeilig(QStringView roh, bool& entfernt);
QString mehrzeilig(QStringView roh, bool& entfernt);

// Text of a file quoted in a message: one line without control characters, and at most 60
// characters and "…", so that a huge value is never printed whole.
QString zitat(QStringView text);

} // namespace exchange
