// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QList>

class QLineEdit;
class QRect;
class QWidget;

namespace ui {

// MS Sans Serif at 9.75 points, or the nearest sans-serif font the system has.
QFont msSansSerif(bool fett = false);

// Fills the widget's background with a colour of its own.
void hintergrund(QWidget* widget, QColor farbe);

// The background of a text box or a list, in every state of the control.
void feldhintergrund(QWidget* widget, QColor farbe);

// A single-line text box with its object name, accessible name, place and a limit of `laenge`
// whole characters.
QLineEdit* textfeld(QWidget* eltern, const char* name, const QString& zugriffsname, int laenge, const QRect& ort);

// A new limit for such a text box, in whole characters, and the limit it has. A text already in
// the box is not cut.
void zeichengrenze(QLineEdit* feld, int zeichen);
int zeichengrenze(const QLineEdit* feld);

// The Tab key goes through the widgets in this order.
void tabfolge(const QList<QWidget*>& folge);

} // namespace ui
