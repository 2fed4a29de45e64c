#pragma once

#include <QDate>

namespace ui {
class Listenfeld;
}

// The line of the full list with the first anniversary after the day window, that is from
// today + 7 days on in calendar order, wrapping from 31 December to 1 January; among lines of one
// date the first. -1 when no line has a date to find.
int naechsterJahrestag(const ui::Listenfeld& liste, QDate heute);
