// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

namespace store {
class Store;
}
namespace ui {
class Meldungen;
}

// daten.mdb at the start, while the start-up window stands. What fails is told under
// "Ladefehler", and the program then ends.

// Opens daten.mdb in the working directory; nothing when it cannot be opened.
std::unique_ptr<store::Store> dateiOeffnen(ui::Meldungen& meldungen);
// Checks the opened file's structure; false for a damaged file, or one another program keeps
// locked.
bool dateiPruefen(store::Store& store, ui::Meldungen& meldungen);
