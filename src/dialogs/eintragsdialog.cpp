#include "eintragsdialog.h"

#include "mainwindow/frmgedenkbuch.h"
#include "ui/aussehen.h"
#include "ui/bildschaltflaeche.h"
#include "ui/meldungen.h"
#include "ui/zahlen.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace {

bool istJahr(int jahr)
{
    return jahr > 1000 && jahr < 10000;
}

QString zweistellig(int zahl)
{
    return QStringLiteral("%1").arg(zahl, 2, 10, QChar(u'0'));
}

// A whole number within the range, typed as nothing else.
std::optional<int> ganzeZahl(const QString& text, int von, int bis)
{
    bool ok = false;
    const int zahl = text.trimmed().toInt(&ok);
    return ok && zahl >= von && zahl <= bis ? std::optional<int>(zahl) : std::nullopt;
}

} // namespace

Eintragsdialog::Eintragsdialog(Art art, frmGedenkbuch& haupt, ui::Meldungen& meldungen, std::optional<qint64> eintrag)
    : QDialog(&haupt), art_(art), haupt_(haupt), meldungen_(meldungen), eintrag_(eintrag)
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
    Form_Load();
}

bool Eintragsdialog::aenderungMoeglich(const frmGedenkbuch& haupt)
{
    const Detailfelder& detail = haupt.detail();
    return detail.angezeigt() && ganzeZahl(detail.txtTag->text(), 1, 31) && ganzeZahl(detail.txtMonat->text(), 1, 12);
}

void Eintragsdialog::Form_Load()
{
    const QColor feldgruen(172, 244, 172);
    for (QGroupBox* rahmen : findChildren<QGroupBox*>())
        ui::hintergrund(rahmen, feldgruen);
    ui::hintergrund(lblAnzeige, feldgruen);
    for (QRadioButton* knopf : optTag + optMonat)
        ui::hintergrund(knopf, feldgruen);

    Variablen& v = haupt_.variablen();
    gewaehlterTag_ = QStringLiteral("0");
    v.aktmonat = 0;
    v.aktjahr = 0;
    if (art_ == Art::Neu)
        return;

    // Start from what the main window's detail fields show; checking a button runs its handler.
    const Detailfelder& detail = haupt_.detail();
    if (const auto tag = ganzeZahl(detail.txtTag->text(), 1, 31))
        optTag[*tag - 1]->setChecked(true);
    if (const auto monat = ganzeZahl(detail.txtMonat->text(), 1, 12)) {
        v.aktmonat = qint16(*monat);
        optMonat[*monat - 1]->setChecked(true);
    }
    const auto jahr = ui::alsInt16(ui::zahlwert(detail.txtJahr->text()));
    if (jahr && *jahr > 999) {
        v.aktjahr = *jahr;
        txtJahr->setText(QString::number(*jahr));
        jahrGezeigt_ = true;
    }
    txtBezeichnung->setText(detail.txtBezeichnung->text());
    txtBemerkungen->setPlainText(detail.txtBemerkungen->toPlainText());
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
    haupt_.variablen().aktmonat = qint16(index + 1);
    if (art_ == Art::Neu)
        txtJahr->setFocus();
    datumsanzeige();
}

void Eintragsdialog::txtJahr_Change()
{
    // A number beyond 16 bits ("1e10") is no year.
    haupt_.variablen().aktjahr = ui::alsInt16(ui::zahlwert(txtJahr->text())).value_or(0);
    datumsanzeige();
}

void Eintragsdialog::datumsanzeige()
{
    const Variablen& v = haupt_.variablen();
    if (ui::zahlwert(gewaehlterTag_) <= 0 || v.aktmonat <= 0)
        return; // the label keeps what it shows until day and month are chosen
    QString datum = zweistellig(gewaehlterTag_.toInt()) + u'.' + zweistellig(v.aktmonat) + u'.';
    if (istJahr(v.aktjahr))
        datum += QString::number(v.aktjahr);
    ui::eingepasst(lblAnzeige, datum, 24);
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
