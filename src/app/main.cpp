#include "mainwindow/programm.h"
#include "ui/dienste.h"
#include "ui/meldungen.h"
#include "ui/uhr.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KOBALT-Merkwerk!"));
    ui::SystemUhr uhr;
    ui::Meldungsfenster meldungen;
    ui::Dienste dienste{uhr, meldungen};
    return gedenkbuchAusfuehren(dienste);
}
