#pragma once

#include <QString>

// Creates daten.mdb at `pfad` with `anzahl` made-up entries (names, dates, some without a year,
// some with remarks), written in one transaction. The same seed gives the same entries.
void beispieldatenbank(const QString& pfad, int anzahl, quint32 seed = 1);
