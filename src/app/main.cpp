#include "mainwindow/programm.h"
#include "ui/dienste.h"
#include "ui/fensterdienst.h"
#include "ui/meldungen.h"
#include "ui/uhr.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KOBALT-Merkwerk!"));
    ui::SystemUhr uhr;
    ui::Meldungsfenster meldungen;
    ui::Dialogfenster fenster;
    ui::Dienste dienste{uhr, meldungen, fenster};
    return gedenkbuchAusfuehren(dienste);
}
