// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmgedenkbuch.h"

#include "core/uhr.h"
#include "windows/common/bilder.h"
#include "windows/common/einpassen.h"

#include <QPainter>
#include <QTimer>

frmGedenkbuch::Offen::Offen(std::unique_ptr<store::Store> datei)
    : store(std::move(datei)),
      // The lists need no remarks; the panel reads them with its entry.
      datGedenkbuch(*store, store::Cursor::Umfang::OhneBemerkungen), buch(*store, datGedenkbuch)
{
}

frmGedenkbuch::frmGedenkbuch(ui::Dienste& dienste, std::unique_ptr<store::Store> store, QWidget* parent)
    : QWidget(parent), dienste_(dienste), offen_(std::make_unique<Offen>(std::move(store)))
{
    steuerelementeAnlegen();
    ereignisseVerbinden();
    connect(&dienste_.uhr, &core::Uhr::datumGeaendert, this, &frmGedenkbuch::datumGeaendert);
    // A look every second costs a read of the file's header; what another program wrote, or a new
    // day that came while a message box was open, shows within about two seconds.
    takt_ = new QTimer(this);
    connect(takt_, &QTimer::timeout, this, &frmGedenkbuch::dateiAnsehen);
    takt_->start(1000);
    Form_Load();
}

frmGedenkbuch::~frmGedenkbuch() = default;

void frmGedenkbuch::Form_Load()
{
    // The program opened and checked the store before; the cursor stands over it.
    auffrischen();
    ui::texteEinpassen(this);
}

void frmGedenkbuch::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    hauptfensterbildMalen(p, rect());
}
