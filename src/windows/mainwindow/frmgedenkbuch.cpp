// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmgedenkbuch.h"

#include "core/buchmodell.h"
#include "store/store.h"
#include "windows/common/bilder.h"
#include "windows/common/einpassen.h"

#include <QPainter>

frmGedenkbuch::frmGedenkbuch(ui::Dienste& dienste, std::unique_ptr<store::Store> store, QWidget* parent)
    : QWidget(parent), dienste_(dienste), modell_(new core::Buchmodell(std::move(store), dienste.uhr, this))
{
    steuerelementeAnlegen();
    ereignisseVerbinden();
    connect(modell_, &core::Buchmodell::veraltet, this, &frmGedenkbuch::nachholen);
    connect(modell_, &core::Buchmodell::ersetzt, this, &frmGedenkbuch::neueDatei);
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
