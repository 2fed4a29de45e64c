// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmsuche.h"

#include "core/durchlauf.h"
#include "core/programm.h"
#include "windows/common/aussehen.h"
#include "windows/common/bildschaltflaeche.h"
#include "windows/common/einpassen.h"
#include "windows/common/farben.h"
#include "windows/common/listenfeld.h"
#include "windows/common/meldungen.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

frmSuche::frmSuche(Suche suchen, ui::Meldungen& meldungen, QWidget* parent)
    : QDialog(parent), suchen_(std::move(suchen)), meldungen_(meldungen)
{
    steuerelementeAnlegen();
    connect(txtSuche, &QLineEdit::textChanged, this, &frmSuche::txtSuche_Change);
    connect(cmdSuchStart, &QPushButton::clicked, this, &frmSuche::cmdSuchStart_Click);
    connect(cmdAbbruch, &QPushButton::clicked, this, &QDialog::reject);
    connect(lstSuchergebnisse, &ui::Listenfeld::zeileGewaehlt, this, &frmSuche::lstSuchergebnisse_Click);
}

void frmSuche::steuerelementeAnlegen()
{
    setObjectName(QStringLiteral("frmSuche"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setWindowTitle(core::programmname); // for task lists; the application name is an id, not a title
    setFixedSize(560, 420);

    auto* frame1 = new QGroupBox(
        QStringLiteral(" Suchen nach Bezeichnung (Groß- und Kleinschreibung beachten) oder Monatsnummer (1 - 12)"),
        this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setGeometry(10, 44, 540, 60);
    ui::hintergrund(frame1, farben::suchrahmen);
    txtSuche = new QLineEdit(frame1);
    txtSuche->setObjectName(QStringLiteral("txtSuche"));
    txtSuche->setAccessibleName(QStringLiteral("Suchbegriff"));
    txtSuche->setGeometry(10, 24, 520, 26);

    auto* frame2 = new QGroupBox(QStringLiteral("Suchergebnisse - Monat-Tag Bezeichnung (Alter)"), this);
    frame2->setObjectName(QStringLiteral("Frame2"));
    frame2->setGeometry(10, 112, 540, 248);
    ui::hintergrund(frame2, farben::suchrahmen);
    lstSuchergebnisse = new ui::Listenfeld(false, frame2);
    lstSuchergebnisse->setObjectName(QStringLiteral("lstSuchergebnisse"));
    lstSuchergebnisse->setAccessibleName(QStringLiteral("Suchergebnisse"));
    lstSuchergebnisse->setGeometry(10, 24, 520, 214);
    lstSuchergebnisse->setFont(ui::msSansSerif());

    cmdSuchStart = new ui::Bildschaltflaeche(QStringLiteral("Suchen"), farben::suchtaste, this);
    cmdSuchStart->setObjectName(QStringLiteral("cmdSuchStart"));
    cmdSuchStart->setGeometry(10, 372, 120, 36);
    cmdSuchStart->setEnabled(false);
    cmdAbbruch = new ui::Bildschaltflaeche(QStringLiteral("Abbrechen"), farben::suchtaste, this);
    cmdAbbruch->setObjectName(QStringLiteral("cmdAbbruch"));
    cmdAbbruch->setGeometry(140, 372, 120, 36);
    for (auto* taste : {cmdSuchStart, cmdAbbruch})
        taste->setAutoDefault(false);

    setTabOrder(txtSuche, lstSuchergebnisse);
    setTabOrder(lstSuchergebnisse, cmdSuchStart);
    setTabOrder(cmdSuchStart, cmdAbbruch);
    txtSuche->setFocus();
    ui::texteEinpassen(this);
}

void frmSuche::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), farben::suchhintergrund);
    const QRect band(0, 0, width(), 34);
    p.fillRect(band, farben::suchband);
    QFont titel = ui::msSansSerif(true);
    titel.setPointSizeF(13);
    p.setFont(titel);
    p.setPen(farben::aufBand);
    p.drawText(band.adjusted(12, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Eintrag suchen"));
}

void frmSuche::keyPressEvent(QKeyEvent* event)
{
    // Enter searches, Escape cancels: the keys a search window is expected to know.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && cmdSuchStart->isEnabled())
        cmdSuchStart_Click();
    else if (event->key() == Qt::Key_Escape)
        reject();
    else
        QDialog::keyPressEvent(event);
}

void frmSuche::txtSuche_Change()
{
    cmdSuchStart->setEnabled(!txtSuche->text().isEmpty());
}

// Store order; an entry that matches by name and by month stands twice, its name line first.
void frmSuche::cmdSuchStart_Click()
{
    lstSuchergebnisse->setEnabled(true);
    lstSuchergebnisse->leeren();
    core::Eintragsbuch::Suchergebnis ergebnis = suchen_(txtSuche->text());
    if (ergebnis.durchlauf.fehler) {
        // What was found stays listed, but an empty list is no answer: the rest was never read.
        meldungen_.hinweis(QStringLiteral("Die Suche konnte nicht alle Einträge lesen.\n\n%1")
                               .arg(core::fehlertext(*ergebnis.durchlauf.fehler)),
                           QStringLiteral("Suche unvollständig"));
        lstSuchergebnisse->setEnabled(!ergebnis.treffer.isEmpty());
    } else if (ergebnis.treffer.isEmpty()) {
        lstSuchergebnisse->hinzufuegen(QStringLiteral("Keinen Eintrag gefunden"));
        lstSuchergebnisse->setEnabled(false);
        return;
    }
    lstSuchergebnisse->hinzufuegen(std::move(ergebnis.treffer));
}

void frmSuche::lstSuchergebnisse_Click(int row)
{
    const qint64 id = lstSuchergebnisse->id(row);
    if (id < 0)
        return;
    auswahl_ = id;
    accept();
}
