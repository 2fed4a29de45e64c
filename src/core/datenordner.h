// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace core {

// The user's home folder: $HOME, or where it is unset or not an absolute path, the home the
// account names (a systemd unit or cron job may start without HOME). Every per-user place is found
// from here.
QString heimordner();

// A base folder of the XDG rules: the folder the variable names, or ~/`vorgabe` where it is
// unset, empty or not an absolute path.
QString xdgOrdner(const char* variable, const QString& vorgabe);

// The per-user data folder of desktop starts: $XDG_DATA_HOME/gedenkbuch, by default
// ~/.local/share/gedenkbuch.
QString datenordner();

} // namespace core
