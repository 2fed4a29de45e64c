// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/tage.h"

#include <QObject>
#include <array>

class QGroupBox;
class QWidget;
namespace ui {
class Listenfeld;
}

// The day window: nine frames, Frame1 to Frame9, one below the other on the main window, each
// holding one day list, List0 to List8. Slot k stands for today + (k - 2) days.
class Tagesfenster : public QObject {
    Q_OBJECT
public:
    // Creates the frames and lists on the window at their places.
    explicit Tagesfenster(QWidget* fenster);

    // Shows the captions and the day lists.
    void zeigen(const std::array<QString, core::tagesanzahl>& titel, core::Tageslisten listen);

    ui::Listenfeld* liste(int slot) const { return listen_[slot]; }

signals:
    // A line of a day list was picked, by mouse or keys. No day list keeps a selection then, so
    // the same line can be picked again.
    void eintragGewaehlt(qint64 id);

private:
    void List_Click(int slot, int row);

    std::array<QGroupBox*, core::tagesanzahl> rahmen_{};
    std::array<ui::Listenfeld*, core::tagesanzahl> listen_{};
};
