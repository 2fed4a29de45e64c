#pragma once

#include "eintrag.h"
#include "zeile.h"

#include <QList>
#include <QString>

namespace core {

// A day or month in two characters: below 10 a "0" and the last digit, otherwise the last two
// characters of the decimal text ("05", "12").
QString zweistellig(int zahl);

// A name as a line of a list shows it: on one line, and cut to 300 characters with "…" behind. A
// name that long is only ever written by another program; laid out whole, a name of megabytes
// would freeze every list that shows it.
QString anzeigename(QStringView name);

// " (N.)" when a year is known and the age reached in `bezugsjahr` is at least 1, else empty.
QString altersZusatz(std::optional<qint16> jahr, int bezugsjahr);

// The line of an entry in the full list and the search results: "MM-TT Bezeichnung (N.)".
// The name always starts at the seventh character.
QString anzeigezeile(const Eintrag& eintrag, int aktuellesJahr);

// The lines of the full list: one display line per entry, in store order. The full list sorts
// them (see kalenderfolge).
QList<Zeile> listenaufbau(const QList<Eintrag>& eintraege, int aktuellesJahr);

} // namespace core
