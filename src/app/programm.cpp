#include "programm.h"

#include "einzelstart.h"
#include "store/store.h"
#include "windows/common/dienste.h"
#include "windows/common/meldungen.h"
#include "windows/mainwindow/frmgedenkbuch.h"
#include "windows/startup/frmstart.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

namespace {
constexpr int startfensterDauerMs = 2000;

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
        dienste.meldungen.hinweis(QStringLiteral("Das Programm ist in diesem Ordner schon geöffnet, antwortet aber nicht. "
                                                 "Beenden Sie es, bevor Sie es erneut starten."),
                                  QStringLiteral("Schon geöffnet"));
        return 1;
    }

    frmStart start;
    std::unique_ptr<store::Store> store = start.Form_Load(dienste.meldungen);
    if (!store)
        return 1;
    start.show();

    std::unique_ptr<frmGedenkbuch> hauptfenster;
    QTimer::singleShot(startfensterDauerMs, &start, [&] {
        hauptfenster = std::make_unique<frmGedenkbuch>(dienste, std::move(store));
        // The main window is shown before the start-up window goes, so that the program never
        // stands without a window and ends by mistake.
        hauptfenster->show();
        start.close();
    });
    return QApplication::exec();
}
