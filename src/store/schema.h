#pragma once

#include <array>

namespace store {

// The five fields of the table Gedenkbuch, in the order the cursor keeps them.
enum class Feld { Bezeichnung, tag, monat, jahr, Bemerkungen };
inline constexpr std::array<const char*, 5> feldnamen = {"Bezeichnung", "tag", "monat", "jahr", "Bemerkungen"};

} // namespace store
