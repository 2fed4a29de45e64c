#pragma once

#include <array>

namespace store {

// The five fields of the table Gedenkbuch, in the order the cursor keeps them.
enum class Feld { Bezeichnung, tag, monat, jahr, Bemerkungen };
inline constexpr std::array<const char*, 5> feldnamen = {"Bezeichnung", "tag", "monat", "jahr", "Bemerkungen"};

inline constexpr char tabelleAnlegen[] = "CREATE TABLE Gedenkbuch (Bezeichnung TEXT, tag INTEGER, monat INTEGER, "
                                         "jahr INTEGER, Bemerkungen TEXT)";

} // namespace store
