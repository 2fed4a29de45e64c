// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "anwendung.h"
#include "core/uhr.h"
#include "programm.h"
#include "windows/common/dienste.h"
#include "windows/common/fensterdienst.h"
#include "windows/common/meldungen.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    Anwendung app(argc, argv);
    // The name is the program's id, not its title: X11 takes it as the window class, which the
    // desktop entry names in StartupWMClass. Titles show core::programmname.
    QApplication::setApplicationName(QStringLiteral("gedenkbuch"));
    QGuiApplication::setDesktopFileName(QStringLiteral("gedenkbuch"));
    core::SystemUhr uhr;
    ui::Meldungsfenster meldungen;
    ui::Dialogfenster fenster;
    ui::Dienste dienste{uhr, meldungen, fenster};
    app.meldungenSetzen(meldungen);
    return gedenkbuchAusfuehren(dienste);
}
