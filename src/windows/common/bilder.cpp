// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bilder.h"

#include "core/programm.h"
#include "farben.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

// A calendar sheet with a red head and a day number: the program's symbol.
void kalenderblatt(QPainter& p, const QRectF& r, const QString& tag)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal rund = r.width() * 0.12;
    p.setPen(QPen(farben::kalenderRand, qMax(1.0, r.width() / 40)));
    p.setBrush(farben::kalenderBlatt);
    p.drawRoundedRect(r, rund, rund);

    QPainterPath kopf;
    kopf.addRoundedRect(r, rund, rund);
    QPainterPath oben;
    oben.addRect(QRectF(r.left(), r.top(), r.width(), r.height() * 0.3));
    p.setPen(Qt::NoPen);
    p.setBrush(farben::kalenderKopf);
    p.drawPath(kopf.intersected(oben));

    QFont schrift(QStringLiteral("Sans Serif"));
    schrift.setBold(true);
    schrift.setPixelSize(qMax(6, int(r.height() * 0.5)));
    p.setFont(schrift);
    p.setPen(farben::kalenderZahl);
    p.drawText(QRectF(r.left(), r.top() + r.height() * 0.3, r.width(), r.height() * 0.7), Qt::AlignCenter, tag);
    p.restore();
}

} // namespace

void hauptfensterbildMalen(QPainter& p, const QRect& flaeche)
{
    QLinearGradient verlauf(flaeche.topLeft(), flaeche.bottomRight());
    verlauf.setColorAt(0, farben::hauptbildOben);
    verlauf.setColorAt(1, farben::hauptbildUnten);
    p.fillRect(flaeche, verlauf);

    // A faint calendar grid behind the controls.
    p.setPen(QPen(farben::hauptbildGitter, 1));
    for (int x = flaeche.left(); x < flaeche.right(); x += 24)
        p.drawLine(x, flaeche.top(), x, flaeche.bottom());
    for (int y = flaeche.top(); y < flaeche.bottom(); y += 24)
        p.drawLine(flaeche.left(), y, flaeche.right(), y);
}

void startbildMalen(QPainter& p, const QRect& flaeche)
{
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient verlauf(flaeche.topLeft(), flaeche.bottomLeft());
    verlauf.setColorAt(0, farben::startbildOben);
    verlauf.setColorAt(1, farben::startbildUnten);
    p.fillRect(flaeche, verlauf);

    kalenderblatt(p, QRectF(flaeche.left() + 32, flaeche.top() + 48, 110, 120), QStringLiteral("31"));

    QFont titel(QStringLiteral("Sans Serif"));
    titel.setBold(true);
    titel.setPixelSize(26);
    p.setFont(titel);
    p.setPen(farben::aufBand);
    p.drawText(QRect(flaeche.left() + 164, flaeche.top() + 60, flaeche.width() - 180, 40), Qt::AlignLeft,
               core::programmname);

    QFont untertitel(QStringLiteral("Sans Serif"));
    untertitel.setPixelSize(15);
    p.setFont(untertitel);
    p.setPen(farben::startbildSchrift);
    p.drawText(QRect(flaeche.left() + 166, flaeche.top() + 108, flaeche.width() - 180, 60),
               Qt::AlignLeft | Qt::TextWordWrap, QStringLiteral("Geburtstage und Jahrestage im Blick"));

    p.setPen(farben::startbildSchrift);
    // Stands just left of the version number, which the window writes into lblVersion.
    p.drawText(QRect(flaeche.left() + 146, flaeche.top() + 232, 150, 17), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Version"));
}

QIcon fenstersymbol()
{
    QIcon symbol;
    for (int groesse : {16, 32, 48, 64, 128}) {
        QPixmap bild(groesse, groesse);
        bild.fill(Qt::transparent);
        QPainter p(&bild);
        kalenderblatt(p, QRectF(1, 1, groesse - 2, groesse - 2), QStringLiteral("31"));
        p.end();
        symbol.addPixmap(bild);
    }
    return symbol;
}
