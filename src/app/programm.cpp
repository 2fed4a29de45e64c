#include "programm.h"

#include "store/store.h"
#include "windows/mainwindow/frmgedenkbuch.h"
#include "windows/startup/frmstart.h"

#include <QApplication>
#include <QTimer>

namespace {
constexpr int startfensterDauerMs = 2000;
}

int gedenkbuchAusfuehren(ui::Dienste& dienste)
{
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
