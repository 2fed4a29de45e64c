// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

// The start-up window: no title bar, centred, with its picture and the version number. It only
// shows; the program opens and checks daten.mdb meanwhile.
class frmStart : public QWidget {
public:
    explicit frmStart(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
