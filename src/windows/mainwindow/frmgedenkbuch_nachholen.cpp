// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window follows the day and the file: a new date, or a change another program made to
// daten.mdb, is shown as a start would show it, held back while a modal dialog or a message box
// is open.
#include "frmgedenkbuch.h"

#include "core/buchdatei.h"
#include "core/uhr.h"
#include "detailfelder.h"
#include "windows/common/bildschaltflaeche.h"
#include "windows/common/fensterdienst.h"
#include "windows/common/meldungen.h"

#include <QApplication>
#include <QTimer>

void frmGedenkbuch::datumGeaendert()
{
    if (dienste_.uhr.heute() == tag_)
        return;
    nachholen_ = true;
    nachholenWennFrei();
}

void frmGedenkbuch::dateiAnsehen()
{
    // Writes to a file that lies under the name no more would be lost; so would the other
    // program's to the new one, if the window went on showing the old.
    if (offen_->store->ersetzt())
        neueDatei_ = true;
    // The window's own saves leave the number as it is, so they cause no second refresh.
    const std::optional<qint64> stand = offen_->store->datenstand();
    if (stand && stand != stand_)
        nachholen_ = true;
    nachholenWennFrei();
}

void frmGedenkbuch::nachholenWennFrei()
{
    if ((!nachholen_ && !neueDatei_) || QApplication::activeModalWidget())
        return;
    if (std::exchange(neueDatei_, false)) {
        nachholen_ = false;
        neueDateiOeffnen();
        return;
    }
    nachholen_ = false;
    const std::optional<store::Datensatz> gezeigt = detail_->angezeigt();
    const bool frei = cmdLoeschen->isEnabled();
    auffrischen();
    if (!gezeigt)
        return;
    // An entry another program deleted has no line any more: the panel rests, as after a delete. So
    // it does when the number names an entry of another name now, which may be another person's.
    const auto name = [](const store::Datensatz& satz) { return satz.feld(store::Feld::Bezeichnung); };
    if (eintragWaehlen(gezeigt->id) && detail_->angezeigt() && name(*detail_->angezeigt()) == name(*gezeigt))
        befehleFreigeben(frei);
    else
        auswahlAufheben();
}

void frmGedenkbuch::neueDateiOeffnen()
{
    core::Buchdatei neu = core::buchOeffnen();
    if (neu.store)
        neu.grund = core::buchPruefen(*neu.store);
    if (!neu.grund.isEmpty()) {
        takt_->stop();
        dienste_.meldungen.hinweis(
            QStringLiteral("An die Stelle der Datei %1 ist eine andere getreten, oder sie wurde gelöscht. "
                           "Was jetzt unter diesem Namen liegt, lässt sich nicht öffnen; das Programm wird "
                           "beendet.\n\n%2")
                .arg(store::dateiname, neu.grund),
            QStringLiteral("Ladefehler"));
        emit buchVerloren();
        return;
    }
    // Another book: no entry of the old one stays shown.
    offen_ = std::make_unique<Offen>(std::move(neu.store));
    auswahlAufheben();
    auffrischen();
}

void frmGedenkbuch::dialogZeigen(QDialog& dialog)
{
    dienste_.fenster.modalZeigen(dialog);
    dateiAnsehen();
}
