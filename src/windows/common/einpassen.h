// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace ui {

// A text whose fixed place is too narrow for its font gets a smaller font, only as far as needed
// and never below 7 points; a text that fits keeps the font it was designed with, also after a
// longer one shrank it. Labels, frame captions and button texts: the places were made for a
// narrower font than most systems have. Call it again when the text changes.
void textEinpassen(QWidget* widget);

// The same for the window and every label, frame and button on it.
void texteEinpassen(QWidget* fenster);

} // namespace ui
