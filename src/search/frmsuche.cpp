#include "frmsuche.h"

#include "mainwindow/anzeigezeile.h"
#include "mainwindow/frmgedenkbuch.h"
#include "ui/aussehen.h"
#include "ui/bildschaltflaeche.h"
#include "ui/listenfeld.h"
#include "ui/uhr.h"
#include "ui/zahlen.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

frmSuche::frmSuche(frmGedenkbuch& haupt, const ui::Uhr& uhr) : QDialog(&haupt), haupt_(haupt), uhr_(uhr)
{
    steuerelementeAnlegen();
    connect(txtSuche, &QLineEdit::textChanged, this, &frmSuche::txtSuche_Change);
    connect(cmdSuchStart, &QPushButton::clicked, this, &frmSuche::cmdSuchStart_Click);
    connect(cmdAbbruch, &QPushButton::clicked, this, &frmSuche::cmdAbbruch_Click);
    connect(lstSuchergebnisse, &ui::Listenfeld::zeileGewaehlt, this, &frmSuche::lstSuchergebnisse_Click);
}

void frmSuche::steuerelementeAnlegen()
{
    setObjectName(QStringLiteral("frmSuche"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(560, 420);

    const QColor gruen(172, 244, 172);
    auto* frame1 = new QGroupBox(
        QStringLiteral(" Suchen nach Bezeichnung (Groß- und Kleinschreibung beachten) oder Monatsnummer (1 - 12)"), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setGeometry(10, 44, 540, 60);
    ui::hintergrund(frame1, gruen);
    txtSuche = new QLineEdit(frame1);
    txtSuche->setObjectName(QStringLiteral("txtSuche"));
    txtSuche->setAccessibleName(QStringLiteral("Suchbegriff"));
    txtSuche->setGeometry(10, 24, 520, 26);

    auto* frame2 = new QGroupBox(QStringLiteral("Suchergebnisse - Monat-Tag Bezeichnung (Alter)"), this);
    frame2->setObjectName(QStringLiteral("Frame2"));
    frame2->setGeometry(10, 112, 540, 248);
    ui::hintergrund(frame2, gruen);
    lstSuchergebnisse = new ui::Listenfeld(false, frame2);
    lstSuchergebnisse->setObjectName(QStringLiteral("lstSuchergebnisse"));
    lstSuchergebnisse->setAccessibleName(QStringLiteral("Suchergebnisse"));
    lstSuchergebnisse->setGeometry(10, 24, 520, 214);
    lstSuchergebnisse->setFont(ui::msSansSerif());

    const QColor tastengruen(192, 255, 192);
    cmdSuchStart = new ui::Bildschaltflaeche(QStringLiteral("Suchen"), tastengruen, this);
    cmdSuchStart->setObjectName(QStringLiteral("cmdSuchStart"));
    cmdSuchStart->setGeometry(10, 372, 120, 36);
    cmdSuchStart->setEnabled(false);
    cmdAbbruch = new ui::Bildschaltflaeche(QStringLiteral("Abbrechen"), tastengruen, this);
    cmdAbbruch->setObjectName(QStringLiteral("cmdAbbruch"));
    cmdAbbruch->setGeometry(140, 372, 120, 36);
    for (auto* taste : {cmdSuchStart, cmdAbbruch})
        taste->setAutoDefault(false);

    setTabOrder(txtSuche, lstSuchergebnisse);
    setTabOrder(lstSuchergebnisse, cmdSuchStart);
    setTabOrder(cmdSuchStart, cmdAbbruch);
    txtSuche->setFocus();
}

void frmSuche::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(255, 224, 192));
    const QRect band(0, 0, width(), 34);
    p.fillRect(band, QColor(214, 120, 40));
    QFont titel = ui::msSansSerif(true);
    titel.setPointSizeF(13);
    p.setFont(titel);
    p.setPen(Qt::white);
    p.drawText(band.adjusted(12, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Eintrag suchen"));
}

void frmSuche::keyPressEvent(QKeyEvent* event)
{
    // Enter searches, Escape cancels: the keys a search window is expected to know.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && cmdSuchStart->isEnabled())
        cmdSuchStart_Click();
    else if (event->key() == Qt::Key_Escape)
        cmdAbbruch_Click();
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
    const QString begriff = txtSuche->text();
    const double monatswert = ui::zahlwert(begriff);
    const int jahr = uhr_.heute().year();
    lstSuchergebnisse->setEnabled(true);
    lstSuchergebnisse->leeren();

    QList<ui::Zeile> treffer;
    store::Cursor& cursor = haupt_.datGedenkbuch();
    try {
        for (cursor.MoveFirst(); !cursor.Eof(); cursor.MoveNext()) {
            const auto eintrag = eintragLesen(cursor);
            if (!eintrag)
                continue;
            if (eintrag->Bezeichnung.contains(begriff, Qt::CaseSensitive))
                treffer.append({anzeigezeile(*eintrag, jahr), eintrag->id});
            if (eintrag->monat == monatswert)
                treffer.append({anzeigezeile(*eintrag, jahr), eintrag->id});
        }
    } catch (const store::StoreError&) {
        // an empty table, or a read that failed: what was found is shown
    }
    if (treffer.isEmpty()) {
        lstSuchergebnisse->hinzufuegen(QStringLiteral("Keinen Eintrag gefunden"));
        lstSuchergebnisse->setEnabled(false);
        return;
    }
    lstSuchergebnisse->hinzufuegen(std::move(treffer));
}

void frmSuche::lstSuchergebnisse_Click(int row)
{
    const qint64 id = lstSuchergebnisse->id(row);
    if (id < 0)
        return;
    haupt_.eintragZeigen(id);
    schliessen();
}

void frmSuche::cmdAbbruch_Click()
{
    haupt_.auswahlAufheben();
    schliessen();
}

void frmSuche::schliessen()
{
    accept();
    haupt_.raise();
    haupt_.activateWindow();
}
