// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "kontext.h"

#include "caldav/verbindung.h"

#include <QUrl>
#include <optional>

namespace daten {

// The door of the commands that talk to a DAV server: the address as typed, checked once; none
// after its German message.
std::optional<QUrl> davAdresse(Kontext& k, const QString& getippt);

// A connection to the server of `adresse` on the context's network, with the login ~/.netrc gives
// for it; none after the German message why ~/.netrc cannot be used.
std::optional<caldav::Verbindung> davVerbindung(Kontext& k, const QUrl& adresse);

} // namespace daten
