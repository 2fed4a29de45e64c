#pragma once

struct Variablen;
namespace store {
class Cursor;
}
namespace ui {
class Listenfeld;
}

// Adds one display line per entry to the full list, which sorts them into calendar order.
// It neither empties the list first nor selects a line afterwards. An empty table or a failing
// read ends the walk quietly; the lines read until then are added.
void listenaufbau(store::Cursor& cursor, ui::Listenfeld& liste, Variablen& variablen, int aktuellesJahr);
