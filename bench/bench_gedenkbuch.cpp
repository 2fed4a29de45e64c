// Prints the time of the program's main operations for stores of 1,000, 10,000 and 100,000
// entries, one figure a line: "<figure> <entries> <median ms>".
#include "beispieldaten.h"
#include "messung.h"

#include "mainwindow/frmgedenkbuch.h"
#include "mainwindow/listenaufbau.h"
#include "mainwindow/variablen.h"
#include "search/frmsuche.h"
#include "store/cursor.h"
#include "store/store.h"
#include "ui/listenfeld.h"
#include "ui/fensterdienst.h"
#include "ui/meldungen.h"
#include "ui/uhr.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

// Nothing in a benchmark asks the user; a message would be a fault of the run.
class KeineMeldungen final : public ui::Meldungen {
public:
    void hinweis(const QString& text, const QString&) override { qFatal("Meldung: %s", qPrintable(text)); }
    bool frage(const QString& text, const QString&) override { qFatal("Frage: %s", qPrintable(text)); }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ui::SystemUhr uhr;
    KeineMeldungen meldungen;
    ui::Dialogfenster fenster;
    ui::Dienste dienste{uhr, meldungen, fenster};
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

        // A whole refresh of the main window: full list, captions, day lists, next anniversary.
        frmGedenkbuch fenster(dienste, store::Store::open(pfad));
        ausgeben("auffrischen", anzahl, medianMs(laeufe, [] {}, [&] { fenster.auffrischen(); }));

        // A click on the last line of the full list: the entry found and shown in the panel.
        auto* voll = fenster.findChild<ui::Listenfeld*>(QStringLiteral("lstGedenkbuch"));
        ausgeben("nachschlagen", anzahl,
                 medianMs(laeufe, [&] { voll->waehlen(-1); }, [&] { voll->waehlen(voll->anzahl() - 1); }));

        // A search for a name (one entry in 24 matches), and one that two thirds of all match.
        frmSuche suche(fenster, uhr);
        auto* begriff = suche.findChild<QLineEdit*>(QStringLiteral("txtSuche"));
        auto* suchen = suche.findChild<QPushButton*>(QStringLiteral("cmdSuchStart"));
        begriff->setText(QStringLiteral("Quirin"));
        ausgeben("suchen", anzahl, medianMs(laeufe, [] {}, [&] { suchen->click(); }));
        begriff->setText(QStringLiteral("er"));
        ausgeben("suchen_viele_treffer", anzahl, medianMs(laeufe, [] {}, [&] { suchen->click(); }));
    }
    return 0;
}
