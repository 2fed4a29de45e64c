#pragma once

namespace ui {
struct Dienste;
}

// Runs the program: the start-up window checks daten.mdb in the working directory, and after
// 2000 ms the main window takes over until the user closes it. Gives the exit status: 1 when
// daten.mdb could not be opened, otherwise 0 once the main window is closed.
int gedenkbuchAusfuehren(ui::Dienste& dienste);
