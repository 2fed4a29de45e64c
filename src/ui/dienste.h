#pragma once

namespace ui {

class Meldungen;
class Uhr;

// What the windows need from outside: tests hand in their own clock and their own message boxes.
struct Dienste {
    Uhr& uhr;
    Meldungen& meldungen;
};

} // namespace ui
