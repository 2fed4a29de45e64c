// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The controls of the entry dialog with their design values (pixels) and its drawn background.
#include "eintragsdialog.h"

#include "core/eintrag.h"
#include "core/programm.h"
#include "windows/common/aussehen.h"
#include "windows/common/bemerkungsfeld.h"
#include "windows/common/bildschaltflaeche.h"
#include "windows/common/farben.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>

namespace {

QGroupBox* rahmen(QWidget* dialog, const char* name, const QString& titel, QRect ort)
{
    auto* r = new QGroupBox(titel, dialog);
    r->setObjectName(QLatin1String(name));
    r->setGeometry(ort);
    return r;
}

QFont schrift(qreal punkte)
{
    QFont f = ui::msSansSerif();
    f.setPointSizeF(punkte);
    return f;
}

QRadioButton* optionsfeld(QWidget* r, const QString& name, const QString& text, QRect ort)
{
    auto* knopf = new QRadioButton(text, r);
    knopf->setObjectName(name);
    knopf->setAccessibleName(text);
    knopf->setGeometry(ort);
    knopf->setFont(schrift(7.5)); // the option buttons are sized for small type
    return knopf;
}

// A small alarm clock: the symbol at the end of the heading band.
void wecker(QPainter& p, QPointF mitte, qreal r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(farben::aufBand, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(mitte, r, r);
    p.setBrush(farben::aufBand);
    p.drawEllipse(mitte + QPointF(-r * 0.8, -r * 0.9), r * 0.35, r * 0.35);
    p.drawEllipse(mitte + QPointF(r * 0.8, -r * 0.9), r * 0.35, r * 0.35);
    p.drawLine(mitte, mitte + QPointF(0, -r * 0.65));
    p.drawLine(mitte, mitte + QPointF(r * 0.5, 0));
    p.drawLine(mitte + QPointF(-r * 0.7, r * 0.8), mitte + QPointF(-r, r * 1.2));
    p.drawLine(mitte + QPointF(r * 0.7, r * 0.8), mitte + QPointF(r, r * 1.2));
    p.restore();
}

} // namespace

void Eintragsdialog::steuerelementeAnlegen()
{
    const bool neu = art_ == Art::Neu;
    setObjectName(neu ? QStringLiteral("frmEintragNeu") : QStringLiteral("frmEintragAendern"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setWindowTitle(core::programmname); // for task lists; the application name is an id, not a title
    setFixedSize(neu ? QSize(464, 463) : QSize(466, 466));

    auto* frame1 = rahmen(this, "Frame1", QStringLiteral("Bezeichnung"), {8, 32, 369, 49});
    txtBezeichnung = ui::textfeld(frame1, "txtBezeichnung", QStringLiteral("Bezeichnung"), core::bezeichnungImDialog,
                                  {8, 16, 353, 25});

    auto* frame2 = rahmen(this, "Frame2", QStringLiteral("Tag"), {8, 88, 449, 73});
    tage_ = new QButtonGroup(this);
    for (int i = 0; i < 31; ++i) {
        const int zeile = i < 20 ? i / 10 : 2;
        const int spalte = i < 20 ? i % 10 : i - 20;
        const QRect ort(8 + 40 * spalte, 16 * (zeile + 1), i == 30 ? 33 : 41, 17);
        optTag << optionsfeld(frame2, QStringLiteral("optTag%1").arg(i), QString::number(i + 1), ort);
        tage_->addButton(optTag.back(), i);
    }

    auto* frame3 = rahmen(this, "Frame3", QStringLiteral("Monat"), {8, 168, 449, 57});
    static const char* const monatsnamen[12] = {"Januar", "Februar", "März",      "April",   "Mai",      "Juni",
                                                "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
    static const int links[6] = {8, 72, 144, 224, 288, 368};
    monate_ = new QButtonGroup(this);
    for (int i = 0; i < 12; ++i) {
        const int breite = (i == 8 || i == 10) ? 81 : i == 11 ? 73 : 65;
        const QRect ort(links[i % 6], 16 * (i / 6 + 1), breite, 17);
        optMonat << optionsfeld(frame3, QStringLiteral("optMonat%1").arg(i), QString::fromUtf8(monatsnamen[i]), ort);
        monate_->addButton(optMonat.back(), i);
    }

    auto* frame4 = rahmen(this, "Frame4", QStringLiteral("Jahr"), {8, 232, 81, 49});
    txtJahr = ui::textfeld(frame4, "txtJahr", QStringLiteral("Jahr"), 4, {8, 16, 65, 25});

    lblAnzeige = new QLabel(this);
    lblAnzeige->setObjectName(QStringLiteral("lblAnzeige"));
    lblAnzeige->setGeometry(176, 240, 169, 41);
    lblAnzeige->setFont(schrift(24));

    auto* frame5 = rahmen(this, "Frame5", QStringLiteral("Bemerkungen"), {8, 288, 449, 129});
    txtBemerkungen = new ui::Bemerkungsfeld(frame5);
    txtBemerkungen->setObjectName(QStringLiteral("txtBemerkungen"));
    txtBemerkungen->setAccessibleName(QStringLiteral("Bemerkungen"));
    txtBemerkungen->setGeometry(8, 16, 433, 105);
    txtBemerkungen->setFont(schrift(9.75));

    cmdSpeichern = new ui::Bildschaltflaeche(QStringLiteral("Speichern"), farben::dialogtaste, this);
    cmdSpeichern->setObjectName(QStringLiteral("cmdSpeichern"));
    cmdSpeichern->setGeometry(232, 424, 105, 33);
    cmdAbbrechen = new ui::Bildschaltflaeche(QStringLiteral("Abbrechen"), farben::dialogtaste, this);
    cmdAbbrechen->setObjectName(QStringLiteral("cmdAbbrechen"));
    cmdAbbrechen->setGeometry(352, 424, 105, 33);
    for (auto* taste : {cmdSpeichern, cmdAbbrechen}) {
        taste->setAutoDefault(false); // neither button reacts to Enter
        taste->setDefault(false);
    }

    QList<QWidget*> folge = {txtBezeichnung, txtJahr, txtBemerkungen};
    for (QRadioButton* knopf : optTag)
        folge << knopf;
    for (QRadioButton* knopf : optMonat)
        folge << knopf;
    folge << cmdSpeichern << cmdAbbrechen;
    for (qsizetype i = 1; i < folge.size(); ++i)
        setTabOrder(folge[i - 1], folge[i]);
}

void Eintragsdialog::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), farben::dialogbild);
    const QRect band(0, 0, width(), 28);
    p.fillRect(band, farben::dialogband);
    QFont titel = schrift(12);
    titel.setBold(true);
    p.setFont(titel);
    p.setPen(farben::aufBand);
    p.drawText(band.adjusted(10, 0, -40, 0), Qt::AlignLeft | Qt::AlignVCenter,
               art_ == Art::Neu ? QStringLiteral("Neuer Eintrag") : QStringLiteral("Eintrag ändern"));
    wecker(p, QPointF(width() - 20, 15), 7);
}
