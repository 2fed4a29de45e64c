#pragma once

#include <QString>

namespace core {

// The per-user data folder of desktop starts: $XDG_DATA_HOME/gedenkbuch, by default
// ~/.local/share/gedenkbuch.
QString datenordner();

} // namespace core
