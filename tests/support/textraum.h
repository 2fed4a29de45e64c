#pragma once

#include <QStringList>

class QWidget;

// Every visible text below a window (the window's own included) that its room cuts: labels,
// frame captions and button texts, each measured with the widget's own font against the room
// the style gives it. One line each: "objectName: „text“ braucht N, hat M Pixel".
QStringList abgeschnitteneTexte(const QWidget* fenster);

// Every such text that was given a smaller font than it was designed with, although a quarter
// point more would still fit.
QStringList unnoetigVerkleinert(const QWidget* fenster);
