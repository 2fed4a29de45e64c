// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "buchmodell.h"

#include "buchdatei.h"
#include "store/cursor.h"
#include "store/store.h"
#include "uhr.h"

#include <QTimer>

namespace core {

struct Buchmodell::Offen {
    explicit Offen(std::unique_ptr<store::Store> datei)
        : store(std::move(datei)),
          // The lists need no remarks; an entry is read with them when it is shown.
          datGedenkbuch(*store, store::Cursor::Umfang::OhneBemerkungen), buch(*store, datGedenkbuch)
    {
    }
    std::unique_ptr<store::Store> store;
    store::Cursor datGedenkbuch;
    Eintragsbuch buch;
};

Buchmodell::Buchmodell(std::unique_ptr<store::Store> store, const Uhr& uhr, QObject* parent)
    : QObject(parent), offen_(std::make_unique<Offen>(std::move(store))), uhr_(uhr), takt_(new QTimer(this))
{
    connect(&uhr_, &Uhr::datumGeaendert, this, &Buchmodell::ansehen);
    // A look costs a read of the file's header and of its directory entry; what another program
    // wrote, or a new day that came while the window could not catch up, shows within two seconds.
    connect(takt_, &QTimer::timeout, this, &Buchmodell::ansehen);
    takt_->start(1000);
}

Buchmodell::~Buchmodell() = default;

Eintragsbuch::Fenster Buchmodell::fenster()
{
    tag_ = uhr_.heute();
    // Taken before the walk: a change made during it is caught up with afterwards.
    if (const std::optional<qint64> stand = offen_->store->datenstand())
        stand_ = stand;
    return offen_->buch.fenster(tag_);
}

Eintragsbuch& Buchmodell::buch()
{
    return offen_->buch;
}

void Buchmodell::ansehen()
{
    if (!takt_->isActive())
        return; // the book was lost
    // Writes to a file that lies under the name no more would be lost; so would the other
    // program's to the new one, if the window went on showing the old.
    if (offen_->store->ersetzt()) {
        emit ersetzt();
        return;
    }
    // The window's own saves leave the number as it is, so they cause no second refresh.
    const std::optional<qint64> stand = offen_->store->datenstand();
    if ((stand && stand != stand_) || uhr_.heute() != tag_)
        emit veraltet();
}

QString Buchmodell::neuOeffnen()
{
    Buchdatei neu = buchOeffnen();
    if (neu.store)
        neu.grund = buchPruefen(*neu.store);
    if (!neu.grund.isEmpty()) {
        takt_->stop();
        return neu.grund;
    }
    offen_ = std::make_unique<Offen>(std::move(neu.store));
    stand_.reset();
    return {};
}

} // namespace core
