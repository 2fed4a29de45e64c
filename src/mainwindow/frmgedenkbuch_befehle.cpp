// What the main window does on the user's actions: the lookup behind a line of the full list and
// the commands below the detail panel.
#include "frmgedenkbuch.h"

#include "dialogs/eintragsdialog.h"
#include "search/frmsuche.h"
#include "ui/bildschaltflaeche.h"
#include "ui/fensterdienst.h"
#include "ui/listenfeld.h"
#include "ui/meldungen.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

void frmGedenkbuch::ereignisseVerbinden()
{
    connect(lstGedenkbuch, &ui::Listenfeld::zeileGewaehlt, this, &frmGedenkbuch::lstGedenkbuch_Click);
    connect(lstGedenkbuch, &ui::Listenfeld::mausGedrueckt, this, &frmGedenkbuch::lstGedenkbuch_MouseDown);
    connect(cmdLoeschen, &QPushButton::clicked, this, &frmGedenkbuch::cmdLoeschen_Click);
    connect(cmdAenderung, &QPushButton::clicked, this, &frmGedenkbuch::cmdAenderung_Click);
    connect(cmdEintragNeu, &QPushButton::clicked, this, &frmGedenkbuch::cmdEintragNeu_Click);
    connect(cmdSuchen, &QPushButton::clicked, this, &frmGedenkbuch::cmdSuchen_Click);
    for (int k = 0; k < Tagesfenster::anzahl; ++k)
        connect(tagesfenster_->liste(k), &ui::Listenfeld::zeileGewaehlt, this, [this, k](int row) { List_Click(k, row); });
    for (QWidget* feld : detailfeldflaechen())
        feld->installEventFilter(this);
}

// Each line carries the identity of its record, so the panel and the cursor end on exactly the
// entry whose line was picked, also among entries with equal or prefixed names.
void frmGedenkbuch::lstGedenkbuch_Click(int row)
{
    try {
        datGedenkbuch_.SetBookmark(lstGedenkbuch->id(row));
    } catch (const store::StoreError&) {
        return; // removed behind the list: the panel stays as it is
    }
    detail_->zeigen(datGedenkbuch_);
}

void frmGedenkbuch::lstGedenkbuch_MouseDown()
{
    cmdLoeschen->setEnabled(true);
    cmdAenderung->setEnabled(true);
}

bool frmGedenkbuch::eintragWaehlen(qint64 id)
{
    for (int row = 0; row < lstGedenkbuch->anzahl(); ++row) {
        if (lstGedenkbuch->id(row) == id) {
            lstGedenkbuch->waehlen(row);
            return true;
        }
    }
    return false;
}

void frmGedenkbuch::gespeichert(qint64 id)
{
    auffrischen();
    eintragWaehlen(id);
    cmdAenderung->setEnabled(true);
    cmdLoeschen->setEnabled(true);
}

void frmGedenkbuch::eintragZeigen(qint64 id)
{
    // Selecting its line shows the entry. One that another program added since the last refresh
    // has no line yet and is shown directly.
    if (!eintragWaehlen(id)) {
        try {
            datGedenkbuch_.SetBookmark(id);
            detail_->zeigen(datGedenkbuch_);
        } catch (const store::StoreError&) {
            // removed behind the lists: the panel stays as it is
        }
    }
    cmdLoeschen->setEnabled(true);
    cmdAenderung->setEnabled(true);
}

void frmGedenkbuch::auswahlAufheben()
{
    lstGedenkbuch->waehlen(-1);
    detail_->ruhezustand();
    cmdLoeschen->setEnabled(false);
    cmdAenderung->setEnabled(false);
}

// A line of a day list, picked by mouse or keys, shows its own entry. The selection leaves all
// nine lists, so the same line can be picked again.
void frmGedenkbuch::List_Click(int slot, int row)
{
    const qint64 id = tagesfenster_->liste(slot)->id(row);
    for (int k = 0; k < Tagesfenster::anzahl; ++k)
        tagesfenster_->liste(k)->waehlen(-1);
    eintragZeigen(id);
}

QList<QWidget*> frmGedenkbuch::detailfeldflaechen() const
{
    return {detail_->txtBezeichnung, detail_->txtTag, detail_->txtMonat, detail_->txtJahr,
            detail_->txtBemerkungen->viewport()};
}

bool frmGedenkbuch::eventFilter(QObject* objekt, QEvent* ereignis)
{
    // The panel only shows the entry: a click on a field opens the change dialog, and a key
    // typed into the year leads on to "Ändern".
    if (ereignis->type() == QEvent::MouseButtonPress && detailfeldflaechen().contains(objekt)) {
        cmdAenderung->setFocus();
        cmdAenderung_Click();
        return true;
    }
    if (objekt == detail_->txtJahr && ereignis->type() == QEvent::KeyPress
        && !static_cast<QKeyEvent*>(ereignis)->text().isEmpty())
        cmdAenderung->setFocus();
    return QWidget::eventFilter(objekt, ereignis);
}

void frmGedenkbuch::cmdEintragNeu_Click()
{
    Eintragsdialog dialog(Eintragsdialog::Art::Neu, *this, dienste_.meldungen);
    dienste_.fenster.modalZeigen(dialog);
}

void frmGedenkbuch::cmdSuchen_Click()
{
    frmSuche dialog(*this, dienste_.uhr);
    dienste_.fenster.modalZeigen(dialog);
}

void frmGedenkbuch::cmdAenderung_Click()
{
    if (!detail_->angezeigt())
        return; // no entry shown, nothing the user could mean
    if (!Eintragsdialog::aenderungMoeglich(*this)) {
        dienste_.meldungen.hinweis(QStringLiteral("Tag und Monat in den Angaben sind kein gültiges Datum. "
                                                  "Bitte wählen Sie den Eintrag noch einmal aus."),
                                   QStringLiteral("Ändern nicht möglich"));
        return;
    }
    Eintragsdialog dialog(Eintragsdialog::Art::Aendern, *this, dienste_.meldungen, detail_->angezeigt());
    dienste_.fenster.modalZeigen(dialog);
}

void frmGedenkbuch::cmdLoeschen_Click()
{
    const auto eintrag = detail_->angezeigt();
    if (!eintrag)
        return; // no entry shown, nothing the user could mean
    if (!dienste_.meldungen.frage(QStringLiteral("Soll der Eintrag wirklich gelöscht werden?"),
                                  QStringLiteral("Sicherheitsfrage")))
        return;

    try {
        datGedenkbuch_.SetBookmark(*eintrag);
        datGedenkbuch_.Delete();
    } catch (const store::StoreError& fehler) {
        dienste_.meldungen.hinweis(QStringLiteral("Der Eintrag wurde nicht gelöscht.\n\n%1").arg(fehler.meldung()),
                                   QStringLiteral("Fehler beim Löschen"));
        return;
    }
    detail_->ruhezustand();
    auffrischen();
    cmdLoeschen->setEnabled(false);
    cmdAenderung->setEnabled(false);
}
