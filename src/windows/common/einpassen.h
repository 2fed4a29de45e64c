// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace ui {

// A text whose fixed place is too narrow for its font gets a smaller font, only as far as needed
// and never below 7 points; a text that fits keeps the font it was designed with, also after a
// longer one shrank it. Labels, frame captions and option buttons: the places were made for a
// narrower font than most systems have. Call it again when the text changes.
void textEinpassen(QWidget* widget);

// Makes a window of fixed size, built at its design places, hold its texts at any font and scale.
// Its command buttons share the largest font in which the text of each keeps the style's margin.
// What a frame holds starts below the frame's caption and within its lines; option buttons stand
// in rows and columns as wide and high as their texts need; labels and text boxes are as high as
// their font needs; widgets of one design size keep one size; a widget that would come too near
// one above it or left of it moves down or right. Frames and the window grow as far as they must,
// a placed window about its centre. Then every text is fitted as textEinpassen does. Call it once,
// when the window shows its captions.
void texteEinpassen(QWidget* fenster);

} // namespace ui
