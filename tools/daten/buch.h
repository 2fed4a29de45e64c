// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QTextStream>

// The daten.mdb a subcommand reads or changes: ORDNER/daten.mdb with --ordner, named as given
// ("DIR/daten.mdb"); else daten.mdb in the current folder when there is one, the rule of the window
// program, but only when it is the user's own and no one else may write it or its folder; else the
// user's book in the per-user data folder, where the menu start keeps it. A book the rule finds is
// named by its absolute path. Empty after a German message when there is none, or the one in the
// current folder is refused.
QString buchFinden(const QString& ordner, QTextStream& fehler);
