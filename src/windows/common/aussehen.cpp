#include "aussehen.h"

#include <QLabel>
#include <QLineEdit>
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
    palette.setColor(widget->backgroundRole(), farbe); // buttons fill with the Button role
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void feldhintergrund(QWidget* widget, QColor farbe)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, farbe);
    widget->setPalette(palette);
}

QLineEdit* textfeld(QWidget* eltern, const char* name, const QString& zugriffsname, int laenge, const QRect& ort)
{
    auto* feld = new QLineEdit(eltern);
    feld->setObjectName(QLatin1String(name));
    feld->setAccessibleName(zugriffsname);
    feld->setMaxLength(laenge);
    feld->setGeometry(ort);
    feld->setFont(msSansSerif());
    return feld;
}

void eingepasst(QLabel* label, const QString& text, qreal punkte)
{
    QFont schrift = label->font();
    schrift.setPointSizeF(punkte);
    while (QFontMetrics(schrift).horizontalAdvance(text) > label->width() && schrift.pointSizeF() > 6)
        schrift.setPointSizeF(schrift.pointSizeF() - 1);
    label->setFont(schrift);
    label->setText(text);
}

} // namespace ui
