#include "eintragsdialog.h"

#include "core/anzeigezeile.h"
#include "core/eintrag.h"
#include "core/eintragsbuch.h"
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

namespace {

// A whole number within the range, typed as nothing else.
std::optional<int> ganzeZahl(const QString& text, int von, int bis)
{
    bool ok = false;
    const int zahl = text.trimmed().toInt(&ok);
    return ok && zahl >= von && zahl <= bis ? std::optional<int>(zahl) : std::nullopt;
}

} // namespace

Eintragsdialog::Eintragsdialog(Art art, core::Eintragsbuch& buch, ui::Meldungen& meldungen, QWidget* parent,
                               std::optional<qint64> eintrag, const Eintragsstart& start)
    : QDialog(parent), art_(art), buch_(buch), meldungen_(meldungen), eintrag_(eintrag)
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

bool Eintragsdialog::aenderungMoeglich(const Eintragsstart& start)
{
    return ganzeZahl(start.tag, 1, 31) && ganzeZahl(start.monat, 1, 12);
}

void Eintragsdialog::Form_Load(const Eintragsstart& start)
{
    for (QGroupBox* rahmen : findChildren<QGroupBox*>())
        ui::hintergrund(rahmen, farben::dialogfeld);
    ui::hintergrund(lblAnzeige, farben::dialogfeld);
    for (QRadioButton* knopf : optTag + optMonat)
        ui::hintergrund(knopf, farben::dialogfeld);

    gewaehlterTag_ = QStringLiteral("0");
    gewaehlterMonat_ = 0;
    eingegebenesJahr_ = 0;
    if (art_ == Art::Neu)
        return;

    // Start from what the main window's detail fields show; checking a button runs its handler.
    if (const auto tag = ganzeZahl(start.tag, 1, 31))
        optTag[*tag - 1]->setChecked(true);
    if (const auto monat = ganzeZahl(start.monat, 1, 12))
        optMonat[*monat - 1]->setChecked(true);
    const auto jahr = core::alsInt16(core::zahlwert(start.jahr));
    if (jahr && *jahr > 999)
        txtJahr->setText(QString::number(*jahr));
    ui::zeichengrenze(txtBezeichnung, qMax(start.bezeichnungZeichen, int(core::zeichenzahl(start.bezeichnung))));
    txtBezeichnung->setText(start.bezeichnung);
    txtBemerkungen->setzen(start.bemerkungen);
    ausgang_ = {txtBezeichnung->text(), gewaehlterTag_, QString::number(gewaehlterMonat_), txtJahr->text(),
                txtBemerkungen->text(), start.getippt, start.bezeichnungZeichen};
}

void Eintragsdialog::optTag_Click(int index)
{
    gewaehlterTag_ = QString::number(index + 1);
    if (art_ == Art::Neu)
        txtJahr->setFocus();
    datumsanzeige();
}

void Eintragsdialog::optMonat_Click(int index)
{
    gewaehlterMonat_ = qint16(index + 1);
    if (art_ == Art::Neu)
        txtJahr->setFocus();
    datumsanzeige();
}

void Eintragsdialog::txtJahr_Change()
{
    // A number beyond 16 bits ("1e10") is no year.
    eingegebenesJahr_ = core::alsInt16(core::zahlwert(txtJahr->text())).value_or(0);
    datumsanzeige();
}

void Eintragsdialog::datumsanzeige()
{
    if (core::zahlwert(gewaehlterTag_) <= 0 || gewaehlterMonat_ <= 0)
        return; // the label keeps what it shows until day and month are chosen
    QString datum = core::zweistellig(gewaehlterTag_.toInt()) + u'.' + core::zweistellig(gewaehlterMonat_) + u'.';
    if (core::istJahr(eingegebenesJahr_))
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
