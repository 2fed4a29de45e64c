// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDeadlineTimer>
#include <QString>

namespace daten {

// Shows a desktop notification through the session bus (org.freedesktop.Notifications), without
// actions of its own. Gives a German text of what went wrong, none when it was shown. Its calls
// on the bus end at `frist`; connecting to the bus has no limit of its own.
QString benachrichtigen(const QString& titel, const QString& text, QDeadlineTimer frist);

} // namespace daten
