#pragma once

#include <QString>

// Shows a desktop notification through the session bus (org.freedesktop.Notifications), without
// actions of its own. Gives a German text of what went wrong, none when it was shown. Waits at
// most a few seconds for the bus.
QString benachrichtigen(const QString& titel, const QString& text);
