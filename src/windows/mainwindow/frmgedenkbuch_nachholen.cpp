// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window follows the day and the file: a new date, or a change another program made to
// daten.mdb, is shown as a start would show it, held back while a modal dialog or a message box
// is open.
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

void frmGedenkbuch::dateiAnsehen()
{
    // The window's own saves leave the number as it is, so they cause no second refresh.
    const std::optional<qint64> stand = store_->datenstand();
    if (stand && stand != stand_)
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
    if (!gezeigt)
        return;
    // An entry another program deleted has no line any more: the panel rests, as after a delete.
    if (eintragWaehlen(*gezeigt) && detail_->angezeigt())
        befehleFreigeben(frei);
    else
        auswahlAufheben();
}

void frmGedenkbuch::dialogZeigen(QDialog& dialog)
{
    dienste_.fenster.modalZeigen(dialog);
    dateiAnsehen();
}
