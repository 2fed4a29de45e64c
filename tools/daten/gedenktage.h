// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "befehl.h"

#include <QDate>
#include <QList>
#include <optional>

// One day with entries, as the day lists show them.
struct Gedenktag {
    QString titel;      // "Heute: Sonntag, 06.12.2026"
    QStringList zeilen; // "Anna (36.)", in store order
};

// The days from `heute` on, `anzahl` of them, that have entries; days without are left out. When
// the file cannot be read whole, a German message goes to standard error and there is none.
std::optional<QList<Gedenktag>> gedenktageLesen(const Aufruf& aufruf, QDate heute, int anzahl);
