// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmstart.h"

#include "core/programm.h"
#include "windows/common/bilder.h"
#include "windows/common/einpassen.h"
#include "windows/common/farben.h"
#include "windows/common/twips.h"

#include <QLabel>
#include <QPainter>
#include <QScreen>

frmStart::frmStart(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmStart"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(core::programmname + QStringLiteral(" wird gestartet")); // for task lists and screen readers
    setFixedSize(ui::twips(7200), ui::twips(3885));
    setWindowIcon(fenstersymbol());

    auto* lblVersion = new QLabel(core::versionstext, this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->setGeometry(ui::twips(4560, 3480, 2655, 255));
    QPalette palette = lblVersion->palette();
    palette.setColor(QPalette::WindowText, farben::startbildSchrift);
    lblVersion->setPalette(palette);
    ui::texteEinpassen(this);

    if (const QScreen* bildschirm = screen())
        move(bildschirm->availableGeometry().center() - rect().center());
}

void frmStart::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    startbildMalen(p, rect());
}
