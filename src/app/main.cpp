#include "core/programm.h"
#include "core/uhr.h"
#include "programm.h"
#include "windows/common/dienste.h"
#include "windows/common/fensterdienst.h"
#include "windows/common/meldungen.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(core::programmname);
    core::SystemUhr uhr;
    ui::Meldungsfenster meldungen;
    ui::Dialogfenster fenster;
    ui::Dienste dienste{uhr, meldungen, fenster};
    return gedenkbuchAusfuehren(dienste);
}
