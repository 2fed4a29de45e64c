#pragma once

#include <QIcon>

class QPainter;
class QRect;

// The pictures of the program, drawn rather than loaded, so that they are sharp at any scale.
void hauptfensterbildMalen(QPainter& p, const QRect& flaeche);
void startbildMalen(QPainter& p, const QRect& flaeche);
QIcon fenstersymbol();
