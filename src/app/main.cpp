// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "anwendung.h"
#include "core/uhr.h"
#include "programm.h"
#include "windows/common/dienste.h"
#include "windows/common/fensterdienst.h"
#include "windows/common/meldungen.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (!anzeigeErreichbar()) {
        std::fputs(QStringLiteral("Das Programm braucht eine grafische Sitzung, findet aber keine Anzeige (DISPLAY "
                                  "für X11, WAYLAND_DISPLAY für Wayland). Starten Sie es in Ihrer Arbeitsumgebung, "
                                  "etwa aus dem Menü; im Terminal zeigt „gedenkbuch-daten heute“ die Einträge der "
                                  "nächsten Tage.\n")
                       .toUtf8()
                       .constData(),
                   stderr);
        return 1;
    }
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
