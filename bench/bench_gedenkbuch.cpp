// Prints the time of the program's main operations for stores of 1,000, 10,000 and 100,000
// entries, one figure a line: "<figure> <entries> <median ms>".
#include "beispieldaten.h"
#include "messung.h"

#include "mainwindow/listenaufbau.h"
#include "mainwindow/variablen.h"
#include "store/cursor.h"
#include "store/store.h"
#include "ui/listenfeld.h"

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    constexpr int laeufe = 5;
    for (int anzahl : {1000, 10000, 100000}) {
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(QStringLiteral("daten.mdb"));
        beispieldatenbank(pfad, anzahl);

        ausgeben("oeffnen", anzahl, medianMs(laeufe, [] {}, [&] { store::Store::open(pfad); }));

        auto s = store::Store::open(pfad);
        store::Cursor cursor(*s);
        ui::Listenfeld liste(true);
        Variablen variablen;
        ausgeben("listenaufbau", anzahl,
                 medianMs(laeufe, [&] { liste.leeren(); }, [&] { listenaufbau(cursor, liste, variablen, 2026); }));
    }
    return 0;
}
