// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bildschaltflaeche.h"

#include "farben.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

namespace ui {

Bildschaltflaeche::Bildschaltflaeche(const QString& text, QColor flaeche, QWidget* parent)
    : QPushButton(text, parent), flaeche_(flaeche)
{
    setAccessibleName(text);
    QFont schrift = font();
    schrift.setBold(true);
    setFont(schrift);
}

void Bildschaltflaeche::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const bool gedrueckt = isDown() || isChecked();
    const QRectF rahmen = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);

    QColor oben = isEnabled() ? flaeche_.lighter(125) : flaeche_.lighter(150);
    QColor unten = isEnabled() ? flaeche_ : flaeche_.lighter(135);
    if (gedrueckt)
        std::swap(oben, unten);
    QLinearGradient verlauf(rahmen.topLeft(), rahmen.bottomLeft());
    verlauf.setColorAt(0, oben);
    verlauf.setColorAt(1, unten);
    p.setPen(QPen(isEnabled() ? flaeche_.darker(220) : flaeche_.darker(140), 1));
    p.setBrush(verlauf);
    p.drawRoundedRect(rahmen, 4, 4);

    p.setFont(font()); // fitted to the face, see ui::textEinpassen
    p.setPen(isEnabled() ? farben::tastenschrift : farben::tastenschriftAus);
    p.drawText(rect().translated(gedrueckt ? 1 : 0, gedrueckt ? 1 : 0), Qt::AlignCenter, text());

    if (hasFocus()) {
        QStyleOptionFocusRect fokus;
        fokus.initFrom(this);
        fokus.rect = rect().adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &fokus, &p, this);
    }
}

} // namespace ui
