// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPushButton>

namespace ui {

// A button that shows a drawn face: its text in black bold letters on a coloured field, with a
// pressed and a disabled look. Its text is also its accessible name.
class Bildschaltflaeche : public QPushButton {
public:
    Bildschaltflaeche(const QString& text, QColor flaeche, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor flaeche_;
};

} // namespace ui
