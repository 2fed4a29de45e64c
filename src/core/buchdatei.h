// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <memory>

namespace store {
class Store;
}

namespace core {

// daten.mdb in the working directory, opened and checked as the program's start does it; the
// window opens a file that took the place of the open one the same way.
struct Buchdatei {
    std::unique_ptr<store::Store> store; // none when the file cannot be opened
    QString grund;                       // why not, as the user is told
};
Buchdatei buchOeffnen();

// The check of an opened file's structure: empty for a sound file, else why not, as the user is
// told. A file another program keeps locked cannot be checked, and is not taken either.
QString buchPruefen(store::Store& store);

} // namespace core
