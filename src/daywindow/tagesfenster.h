#pragma once

#include <array>

class QGroupBox;
class QWidget;
namespace ui {
class Listenfeld;
}

// The day window: nine frames, Frame1 to Frame9, one below the other, each holding one day list,
// List0 to List8. Slot k stands for today + (k - 2) days.
class Tagesfenster {
public:
    static constexpr int anzahl = 9;
    static constexpr int heute = 2; // the slot of today

    // Creates the frames and lists on the main window at their places.
    explicit Tagesfenster(QWidget* fenster);

    QGroupBox* rahmen(int slot) const { return rahmen_[slot]; }
    ui::Listenfeld* liste(int slot) const { return listen_[slot]; }

private:
    std::array<QGroupBox*, anzahl> rahmen_{};
    std::array<ui::Listenfeld*, anzahl> listen_{};
};
