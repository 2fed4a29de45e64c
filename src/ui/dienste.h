#pragma once

namespace ui {

class Fensterdienst;
class Meldungen;
class Uhr;

// What the windows need from outside: tests hand in their own clock, their own message boxes and
// their own way of running modal dialogs.
struct Dienste {
    Uhr& uhr;
    Meldungen& meldungen;
    Fensterdienst& fenster;
};

} // namespace ui
