// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

class QWidget;

// Every visible text below a window (the window's own included) whose room cuts it, and every one
// given a smaller font than it was designed with although a quarter point more would still fit:
// labels, frame captions and button texts. A text fits when Qt's own elision leaves it whole in
// the room the style gives it. One line each: "objectName: „text“ abgeschnitten" or "… in N Punkt".
QStringList textfehler(const QWidget* fenster);
