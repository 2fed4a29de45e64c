// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace store {

// What a failed call of the system means, in German for the user: the text for an errno value,
// without a full stop ("Der Datenträger ist voll").
QString systemfehler(int nummer);

// What lies under a name that must not be overwritten, as a whole German sentence; empty when
// nothing lies there. A symbolic link counts even when it points nowhere.
QString schonVorhanden(const QString& pfad);

} // namespace store
