// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bestand.h"

#include <QFontMetricsF>
#include <QPdfWriter>

namespace druck {

// The lines of a field, each as wide as `breiten` says: the entries one after another, separated
// by commas, each name too long for its line shortened with "…" while what follows it stays; and
// at the end "+N" for the N entries that found no room, so that none goes without a word.
struct Feld {
    QStringList zeilen;
    qsizetype weitere = 0; // the N of "+N"
};
Feld feld(const QFontMetricsF& metrik, const QList<qreal>& breiten, const QList<core::Zeile>& eintraege,
          std::optional<int> bezugsjahr);

// The year on one A4 landscape page: a column a month, a row a day, weekends shaded. Gives the
// number of entries the page shows.
qsizetype jahresuebersicht(QPdfWriter& pdf, const Bestand& bestand, int jahr);

// Twelve A4 portrait pages, a month each, a line for every day the month can have. Gives the
// number of entries the pages show.
qsizetype immerwaehrend(QPdfWriter& pdf, const Bestand& bestand);

} // namespace druck
