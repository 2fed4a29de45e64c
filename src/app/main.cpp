#include "core/programm.h"
#include "core/uhr.h"
#include "anwendung.h"
#include "programm.h"
#include "windows/common/dienste.h"
#include "windows/common/fensterdienst.h"
#include "windows/common/meldungen.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    Anwendung app(argc, argv);
    QApplication::setApplicationName(core::programmname);
    core::SystemUhr uhr;
    ui::Meldungsfenster meldungen;
    ui::Dialogfenster fenster;
    ui::Dienste dienste{uhr, meldungen, fenster};
    app.meldungenSetzen(meldungen);
    return gedenkbuchAusfuehren(dienste);
}
