// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "eintragsdialog.h"

#include "core/anzeigezeile.h"
#include "core/eintrag.h"
#include "core/jahr.h"
#include "core/zahlen.h"
#include "windows/common/aussehen.h"
#include "windows/common/bemerkungsfeld.h"
#include "windows/common/bildschaltflaeche.h"
#include "windows/common/einpassen.h"
#include "windows/common/farben.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

Eintragsdialog::Eintragsdialog(Art art, Eintragsablage ablage, ui::Meldungen& meldungen, QWidget* parent,
                               const Eintragsstart& start)
    : QDialog(parent), art_(art), ablage_(std::move(ablage)), meldungen_(meldungen)
{
    steuerelementeAnlegen();
    connect(tage_, &QButtonGroup::idToggled, this, [this](int index, bool an) {
        if (an)
            optTag_Click(index);
    });
    connect(monate_, &QButtonGroup::idToggled, this, [this](int index, bool an) {
        if (an)
            optMonat_Click(index);
    });
    connect(txtJahr, &QLineEdit::textChanged, this, &Eintragsdialog::txtJahr_Change);
    connect(cmdSpeichern, &QPushButton::clicked, this, &Eintragsdialog::cmdSpeichern_Click);
    connect(cmdAbbrechen, &QPushButton::clicked, this, &Eintragsdialog::cmdAbbrechen_Click);
    Form_Load(start);
    ui::texteEinpassen(this);
}

void Eintragsdialog::Form_Load(const Eintragsstart& start)
{
    for (QGroupBox* rahmen : findChildren<QGroupBox*>())
        ui::hintergrund(rahmen, farben::dialogfeld);
    ui::hintergrund(lblAnzeige, farben::dialogfeld);
    for (QRadioButton* knopf : optTag + optMonat)
        ui::hintergrund(knopf, farben::dialogfeld);

    if (art_ == Art::Neu)
        return;

    // Start from what the main window's detail fields show; checking a button runs its handler.
    if (start.tag > 0)
        optTag[start.tag - 1]->setChecked(true);
    if (start.monat > 0)
        optMonat[start.monat - 1]->setChecked(true);
    if (start.jahr && *start.jahr > 999)
        txtJahr->setText(QString::number(*start.jahr));
    ui::zeichengrenze(txtBezeichnung, qMax(start.bezeichnungZeichen, int(core::zeichenzahl(start.bezeichnung))));
    txtBezeichnung->setText(start.bezeichnung);
    txtBemerkungen->setzen(start.bemerkungen);
    ausgang_ = {txtBezeichnung->text(), gewaehlterTag_, gewaehlterMonat_,        core::jahrImFeld(txtJahr->text()),
                txtBemerkungen->text(), start.getippt,  start.bezeichnungZeichen};
}

void Eintragsdialog::optTag_Click(int index)
{
    gewaehlterTag_ = index + 1;
    if (art_ == Art::Neu)
        txtJahr->setFocus();
    datumsanzeige();
}

void Eintragsdialog::optMonat_Click(int index)
{
    gewaehlterMonat_ = index + 1;
    if (art_ == Art::Neu)
        txtJahr->setFocus();
    datumsanzeige();
}

void Eintragsdialog::txtJahr_Change()
{
    eingegebenesJahr_ = core::jahrImFeld(txtJahr->text()).value_or(0);
    datumsanzeige();
}

void Eintragsdialog::datumsanzeige()
{
    if (gewaehlterTag_ <= 0 || gewaehlterMonat_ <= 0)
        return; // the label keeps what it shows until day and month are chosen
    QString datum = core::zweistellig(gewaehlterTag_) + u'.' + core::zweistellig(gewaehlterMonat_) + u'.';
    if (core::jahrImDialog(eingegebenesJahr_))
        datum += QString::number(eingegebenesJahr_);
    lblAnzeige->setText(datum);
    ui::textEinpassen(lblAnzeige);
}

void Eintragsdialog::keyPressEvent(QKeyEvent* event)
{
    // Escape does not close the dialog: only its two buttons do.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Eintragsdialog::cmdAbbrechen_Click()
{
    reject();
}
