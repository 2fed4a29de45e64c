#pragma once

#include "eintrag.h"

#include <QString>

// " (N.)" when a year is known and the age reached in `bezugsjahr` is at least 1, else empty.
QString altersZusatz(std::optional<qint16> jahr, int bezugsjahr);

// The line of an entry in the full list and the search results: "MM-TT Bezeichnung (N.)".
// The name always starts at the seventh character.
QString anzeigezeile(const Eintrag& eintrag, int aktuellesJahr);
