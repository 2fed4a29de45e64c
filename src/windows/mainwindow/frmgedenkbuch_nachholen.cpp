// The main window and the passing days: a refresh when the date changes, held back while a modal
// dialog or a message box is open.
#include "frmgedenkbuch.h"

#include "core/uhr.h"
#include "detailfelder.h"
#include "windows/common/bildschaltflaeche.h"
#include "windows/common/fensterdienst.h"

#include <QApplication>

void frmGedenkbuch::datumGeaendert()
{
    if (dienste_.uhr.heute() == tag_)
        return;
    nachholen_ = true;
    nachholenWennFrei();
}

void frmGedenkbuch::nachholenWennFrei()
{
    if (!nachholen_ || QApplication::activeModalWidget())
        return;
    nachholen_ = false;
    const std::optional<qint64> gezeigt = detail_->angezeigt();
    const bool frei = cmdLoeschen->isEnabled();
    auffrischen();
    if (gezeigt && eintragAnzeigen(*gezeigt))
        befehleFreigeben(frei);
}

void frmGedenkbuch::dialogZeigen(QDialog& dialog)
{
    dienste_.fenster.modalZeigen(dialog);
    nachholenWennFrei();
}
