// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>

class QPainter;
class QRect;

// The pictures of the program, drawn rather than loaded, so that they are sharp at any scale.
void hauptfensterbildMalen(QPainter& p, const QRect& flaeche);
void startbildMalen(QPainter& p, const QRect& flaeche);
QIcon fenstersymbol();
