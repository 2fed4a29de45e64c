// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "storeerror.h"

#include <optional>

namespace store {

// What lies under a name that must not be overwritten, as the failure Art::Vorhanden; none when
// nothing lies there. A symbolic link counts even when it points nowhere.
std::optional<StoreError> schonVorhanden(const QString& pfad);

} // namespace store
