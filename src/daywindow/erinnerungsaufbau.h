#pragma once

#include <QDate>

class Detailfelder;
class Tagesfenster;
struct Variablen;
namespace store {
class Cursor;
}
namespace ui {
class Listenfeld;
}

// Builds the day window anew: the captions (tagesanzeige), then the nine day lists with the count
// of each day appended to its caption, then the full list scrolled to the next anniversary after
// the window, with no line selected and the detail panel at rest.
//
// The full list must be complete. The counts are only ever appended to captions that
// tagesanzeige has just written, so a caption never carries two counts.
void tagesfensterAufbauen(Tagesfenster& tage, store::Cursor& cursor, ui::Listenfeld& lstGedenkbuch,
                          Detailfelder& detail, Variablen& variablen, QDate heute);
