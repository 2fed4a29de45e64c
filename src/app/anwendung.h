// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>

namespace ui {
class Meldungen;
}

// The program's application object. An exception thrown while an event is handled would end the
// program in terminate(); here it is told to the user instead, and the action it broke off has
// written nothing.
class Anwendung : public QApplication {
public:
    Anwendung(int& argc, char** argv);
    void meldungenSetzen(ui::Meldungen& meldungen) { meldungen_ = &meldungen; }
    bool notify(QObject* empfaenger, QEvent* ereignis) override;

private:
    ui::Meldungen* meldungen_ = nullptr;
};
