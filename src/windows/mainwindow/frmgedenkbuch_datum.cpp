// The main window and the passing days: a refresh when the date changes, held back while a modal
// dialog or a message box is open.
#include "frmgedenkbuch.h"

#include "core/uhr.h"
#include "detailfelder.h"
#include "windows/common/bildschaltflaeche.h"
#include "windows/common/fensterdienst.h"
#include "windows/common/meldungen.h"

void frmGedenkbuch::datumGeaendert()
{
    if (dienste_.uhr.heute() == tag_)
        return;
    if (modalOffen_ > 0)
        tagNachholen_ = true;
    else
        tagWechseln();
}

void frmGedenkbuch::tagWechseln()
{
    tagNachholen_ = false;
    const std::optional<qint64> gezeigt = detail_->angezeigt();
    const bool frei = cmdLoeschen->isEnabled();
    auffrischen();
    if (gezeigt && eintragAnzeigen(*gezeigt))
        befehleFreigeben(frei);
}

void frmGedenkbuch::modalOffenBeenden()
{
    if (--modalOffen_ == 0 && tagNachholen_)
        tagWechseln();
}

void frmGedenkbuch::dialogZeigen(QDialog& dialog)
{
    ++modalOffen_;
    dienste_.fenster.modalZeigen(dialog);
    modalOffenBeenden();
}

void frmGedenkbuch::hinweis(const QString& text, const QString& titel)
{
    ++modalOffen_;
    dienste_.meldungen.hinweis(text, titel);
    modalOffenBeenden();
}

bool frmGedenkbuch::frage(const QString& text, const QString& titel)
{
    ++modalOffen_;
    const bool ja = dienste_.meldungen.frage(text, titel);
    modalOffenBeenden();
    return ja;
}
