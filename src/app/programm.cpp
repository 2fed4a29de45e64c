// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "programm.h"

#include "core/buchdatei.h"
#include "core/durchlauf.h"
#include "core/steuerzeichen.h"
#include "einzelstart.h"
#include "store/store.h"
#include "windows/common/dienste.h"
#include "windows/common/meldungen.h"
#include "windows/mainwindow/frmgedenkbuch.h"
#include "windows/startup/frmstart.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTimer>

namespace {
constexpr int startfensterDauerMs = 2000;
const QString ladefehler = QStringLiteral("Ladefehler");

// Another start in the same folder: the windows of this program come to the front, an open dialog
// on top of them.
void fensterNachVorn()
{
    QWidget* ziel = QApplication::activeModalWidget();
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible())
            continue;
        w->setWindowState((w->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        w->raise();
        if (!ziel)
            ziel = w;
    }
    if (ziel) {
        ziel->raise();
        ziel->activateWindow();
    }
}
} // namespace

int gedenkbuchAusfuehren(ui::Dienste& dienste)
{
    Einzelstart einzelstart(QDir::currentPath(), fensterNachVorn);
    switch (einzelstart.anmelden()) {
    case Einzelstart::Lage::Erster:
        break;
    case Einzelstart::Lage::SchonOffen:
        return 0;
    case Einzelstart::Lage::KeineAntwort:
        dienste.meldungen.hinweis(
            QStringLiteral("Das Programm ist in diesem Ordner schon geöffnet, antwortet aber nicht. "
                           "Beenden Sie es, bevor Sie es erneut starten."),
            QStringLiteral("Schon geöffnet"));
        return 1;
    case Einzelstart::Lage::KeinOrdner:
        dienste.meldungen.hinweis(QStringLiteral("Die Sperre gegen einen zweiten Start lässt sich nicht anlegen. "
                                                 "Sie braucht einen Ordner, der nur Ihnen gehört und nur Ihnen "
                                                 "offensteht (Rechte 700): XDG_RUNTIME_DIR oder %1. Das Programm "
                                                 "startet deshalb nicht.")
                                      .arg(core::einzeilig(Einzelstart::ersatzordner())),
                                  QStringLiteral("Start nicht möglich"));
        return 1;
    case Einzelstart::Lage::KeinEmpfang:
        dienste.meldungen.hinweis(QStringLiteral("Die Verbindung, über die ein weiterer Start das laufende Programm "
                                                 "findet, lässt sich in %1 nicht anlegen. Das Programm startet "
                                                 "deshalb nicht.")
                                      .arg(core::einzeilig(einzelstart.ordner())),
                                  QStringLiteral("Start nicht möglich"));
        return 1;
    }

    QElapsedTimer seitDemStart;
    seitDemStart.start();
    frmStart start;
    // What fails at the start is told under "Ladefehler", and the program then ends.
    core::Buchdatei buch = core::buchOeffnen();
    if (!buch.store) {
        dienste.meldungen.hinweis(buch.grund, ladefehler);
        return 1;
    }
    std::unique_ptr<store::Store> store = std::move(buch.store);
    start.show();

    std::unique_ptr<frmGedenkbuch> hauptfenster;
    QTimer uebergabe;
    uebergabe.setSingleShot(true);
    QObject::connect(&uebergabe, &QTimer::timeout, &start, [&] {
        try {
            hauptfenster = std::make_unique<frmGedenkbuch>(dienste, std::move(store));
        } catch (const store::StoreError& fehler) {
            dienste.meldungen.hinweis(core::fehlertext(fehler), ladefehler);
            start.close();
            QApplication::exit(1);
            return;
        }
        // The main window is shown before the start-up window goes, so that the program never
        // stands without a window and ends by mistake.
        hauptfenster->show();
        QObject::connect(hauptfenster.get(), &frmGedenkbuch::buchVerloren, [] { QApplication::exit(1); });
        start.close();
    });
    // The file's structure is checked while the start-up window stands anyway; the main window
    // follows 2000 ms after the start only for a sound file.
    QTimer::singleShot(0, &start, [&] {
        if (const QString grund = core::buchPruefen(*store); !grund.isEmpty()) {
            dienste.meldungen.hinweis(grund, ladefehler);
            start.close();
            QApplication::exit(1);
            return;
        }
        uebergabe.start(int(qMax<qint64>(0, startfensterDauerMs - seitDemStart.elapsed())));
    });
    return QApplication::exec();
}

bool anzeigeErreichbar()
{
    const bool x11 = !qEnvironmentVariableIsEmpty("DISPLAY");
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    const QString plattformen = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (plattformen.trimmed().isEmpty())
        return x11 || wayland;
    // Platforms to try in turn, each with its options after a colon. Those other than X11 and
    // Wayland (offscreen, vnc, eglfs, ...) bring their own output.
    for (const QString& plattform : plattformen.split(u';', Qt::SkipEmptyParts)) {
        const QString name = plattform.section(u':', 0, 0).trimmed();
        if (name == QLatin1String("xcb") ? x11 : name.startsWith(QLatin1String("wayland")) ? wayland : true)
            return true;
    }
    return false;
}
