// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "satz.h"

namespace exchange {

// A larger file is refused before it is read: 64 MiB hold some hundred thousand cards even with
// small photos, far more than any address book.
inline constexpr qint64 hoechstgroesse = qint64(64) * 1024 * 1024;

// The records of a vCard or CSV file, told apart by the first line ("BEGIN:VCARD"). Refuses with
// Abweisung a missing, empty or too large file, one that is not text, and one in UTF-16.
Gelesen einlesen(const QString& pfad);

} // namespace exchange
