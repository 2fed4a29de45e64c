#include "frmgedenkbuch.h"

#include "daywindow/erinnerungsaufbau.h"
#include "listenaufbau.h"
#include "bilder.h"
#include "ui/aussehen.h"
#include "ui/listenfeld.h"
#include "ui/uhr.h"
#include "version.h"

#include <QGroupBox>
#include <QLabel>
#include <QPainter>

frmGedenkbuch::frmGedenkbuch(ui::Dienste& dienste, std::unique_ptr<store::Store> store, QWidget* parent)
    : QWidget(parent), dienste_(dienste), store_(std::move(store)), datGedenkbuch_(*store_)
{
    steuerelementeAnlegen();
    ereignisseVerbinden();
    Form_Load();
}

frmGedenkbuch::~frmGedenkbuch() = default;

void frmGedenkbuch::Form_Load()
{
    lblCopyrights->setText(lblCopyrights->text() + QStringLiteral(" - Version: ") + versionstext);
    const QColor gelb(237, 237, 125);
    for (int k = 0; k < Tagesfenster::anzahl; ++k)
        ui::hintergrund(tagesfenster_->rahmen(k), gelb);
    ui::hintergrund(detail_->Frame10, gelb);
    // The store was opened and checked by the start-up window; the cursor stands over it.
    auffrischen();
}

void frmGedenkbuch::auffrischen()
{
    const QDate heute = dienste_.uhr.heute();
    lstGedenkbuch->leeren();
    listenaufbau(datGedenkbuch_, *lstGedenkbuch, variablen_, heute.year());
    tagesfensterAufbauen(*tagesfenster_, datGedenkbuch_, *lstGedenkbuch, *detail_, variablen_, heute);
}

void frmGedenkbuch::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    hauptfensterbildMalen(p, rect());
}
