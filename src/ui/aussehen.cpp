#include "aussehen.h"

#include <QWidget>

namespace ui {

QFont msSansSerif(bool fett)
{
    QFont schrift(QStringLiteral("MS Sans Serif"));
    schrift.setStyleHint(QFont::SansSerif);
    schrift.setPointSizeF(9.75);
    schrift.setBold(fett);
    return schrift;
}

void hintergrund(QWidget* widget, QColor farbe)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, farbe);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void feldhintergrund(QWidget* widget, QColor farbe)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, farbe);
    widget->setPalette(palette);
}

} // namespace ui
