// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace core {
class Uhr;
}

namespace ui {

class Fensterdienst;
class Meldungen;

// What the windows need from outside: tests hand in their own clock, their own message boxes and
// their own way of running modal dialogs.
struct Dienste {
    core::Uhr& uhr;
    Meldungen& meldungen;
    Fensterdienst& fenster;
};

} // namespace ui
