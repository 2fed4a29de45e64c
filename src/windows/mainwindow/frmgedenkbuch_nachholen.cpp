// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window follows the day and the file: a new date, or a change another program made to
// daten.mdb, is shown as a start would show it, and so is another file in daten.mdb's place. The
// book tells of each at every look until the window caught up, which it does once no modal dialog
// or message box is open.
#include "frmgedenkbuch.h"

#include "core/buchmodell.h"
#include "detailfelder.h"
#include "store/store.h"
#include "windows/common/fensterdienst.h"
#include "windows/common/listenfeld.h"
#include "windows/common/meldungen.h"

#include <QApplication>

void frmGedenkbuch::dateiAnsehen()
{
    modell_->ansehen();
}

void frmGedenkbuch::nachholen()
{
    if (QApplication::activeModalWidget())
        return;
    const std::optional<core::Eintragsbuch::Gelesen> gezeigt = angezeigt_;
    auffrischen();
    if (!gezeigt)
        return;
    // An entry another program deleted has no line any more: the panel rests, as after a delete. So
    // it does when the number names an entry of another name now, which may be another person's.
    const auto name = [](const core::Eintragsbuch::Gelesen& e) { return e.satz.feld(store::Feld::Bezeichnung); };
    if (!eintragWaehlen(gezeigt->eintrag.id) || !angezeigt_ || name(*angezeigt_) != name(*gezeigt))
        auswahlAufheben();
}

void frmGedenkbuch::neueDatei()
{
    if (QApplication::activeModalWidget())
        return;
    if (const QString grund = modell_->neuOeffnen(); !grund.isEmpty()) {
        dienste_.meldungen.hinweis(
            QStringLiteral("An die Stelle der Datei %1 ist eine andere getreten, oder sie wurde gelöscht. "
                           "Was jetzt unter diesem Namen liegt, lässt sich nicht öffnen; das Programm wird "
                           "beendet.\n\n%2")
                .arg(store::dateiname, grund),
            QStringLiteral("Ladefehler"));
        emit buchVerloren();
        return;
    }
    // Another book: no entry of the old one stays shown.
    auswahlAufheben();
    auffrischen();
}

void frmGedenkbuch::dialogZeigen(QDialog& dialog)
{
    dienste_.fenster.modalZeigen(dialog);
    dateiAnsehen();
}
