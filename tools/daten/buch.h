// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QTextStream>

// The daten.mdb a subcommand reads or changes: ORDNER/daten.mdb with --ordner; else daten.mdb in
// the current folder when there is one, the rule of the window program; else the user's book in
// the per-user data folder, where the menu start keeps it. Named as it is used: "DIR/daten.mdb",
// "daten.mdb", an absolute path. Empty after a German message when there is none anywhere.
QString buchFinden(const QString& ordner, QTextStream& fehler);
