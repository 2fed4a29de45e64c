// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "store/storeerror.h"

#include <QString>

namespace core {

// The one place where a failure of the store becomes the German sentences the user reads, in the
// windows and in the tool alike.
QString meldung(const store::StoreError& fehler);

// The same, and for a damaged file how to check it and rescue what is still readable.
QString fehlertext(const store::StoreError& fehler);

// What a failed call of the system means, for an errno value, without a full stop ("Der
// Datenträger ist voll").
QString systemfehler(int nummer);

} // namespace core
