// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "radicale.h"

#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <vector>

// A Radicale on this machine and a home folder whose ~/.netrc logs the tool in there: the ground of
// the calendar's and the address book's figures.
class Davplatz {
public:
    // None where Radicale is not installed, said on standard error for `figur`.
    static std::unique_ptr<Davplatz> oeffnen(const char* figur);

    // Runs the tool in this home, its output dropped; the bench fails when the tool does. Its time in ms.
    double werkzeug(const QStringList& argumente) const;
    // The tool's peak memory for runs of `argumente`, one a name, in turn: a first and a second run.
    void spitzen(const QStringList& namen, int anzahl, const QStringList& argumente) const;

    Radicale server;

private:
    Davplatz();
    QTemporaryDir heim_;
};

// Prints "<figure> <entries> <median ms>", `zusatz` after it.
void medianAusgeben(const char* figur, int anzahl, std::vector<double> zeiten, const QString& zusatz = {});
