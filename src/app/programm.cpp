#include "programm.h"

#include "core/durchlauf.h"
#include "store/store.h"
#include "windows/common/meldungen.h"
#include "windows/mainwindow/frmgedenkbuch.h"
#include "windows/startup/frmstart.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

namespace {
constexpr int startfensterDauerMs = 2000;
}

int gedenkbuchAusfuehren(ui::Dienste& dienste)
{
    QElapsedTimer seitDemStart;
    seitDemStart.start();
    frmStart start;
    std::unique_ptr<store::Store> store = start.Form_Load(dienste.meldungen);
    if (!store)
        return 1;
    start.show();

    std::unique_ptr<frmGedenkbuch> hauptfenster;
    QTimer uebergabe;
    uebergabe.setSingleShot(true);
    QObject::connect(&uebergabe, &QTimer::timeout, &start, [&] {
        try {
            hauptfenster = std::make_unique<frmGedenkbuch>(dienste, std::move(store));
        } catch (const store::StoreError& fehler) {
            dienste.meldungen.hinweis(core::fehlertext(fehler), QStringLiteral("Ladefehler"));
            start.close();
            QApplication::exit(1);
            return;
        }
        // The main window is shown before the start-up window goes, so that the program never
        // stands without a window and ends by mistake.
        hauptfenster->show();
        start.close();
    });
    // The file's structure is checked while the start-up window stands anyway; the main window
    // follows 2000 ms after the start only for a sound file.
    QTimer::singleShot(0, &start, [&] {
        if (!start.dateiPruefen(*store, dienste.meldungen)) {
            start.close();
            QApplication::exit(1);
            return;
        }
        uebergabe.start(int(qMax<qint64>(0, startfensterDauerMs - seitDemStart.elapsed())));
    });
    return QApplication::exec();
}
