// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "eintragsbuch.h"

#include <QDate>
#include <QObject>
#include <memory>
#include <optional>

class QTimer;
namespace store {
class Store;
}

namespace core {

class Uhr;

// The book a window shows: the open daten.mdb with the one cursor over it, datGedenkbuch, and the
// entries read and written through it. It looks at the file every second and tells when the lists
// read last are out of date (another program committed to the file, or a new day began) and when
// another file took the open one's place. When to catch up is the window's choice, so it is told
// again at every look until it has.
class Buchmodell : public QObject {
    Q_OBJECT
public:
    Buchmodell(std::unique_ptr<store::Store> store, const Uhr& uhr, QObject* parent = nullptr);
    ~Buchmodell() override;

    // Today's lists from one walk; they are current until veraltet() says otherwise.
    Eintragsbuch::Fenster fenster();
    Eintragsbuch& buch();

    // Looks at the file and the day now, as the timer does every second.
    void ansehen();
    // Opens the file that took the open one's place, as the start opens it, in place of the open
    // one. Gives why it could not, as the user is told; the model then looks at the file no more.
    QString neuOeffnen();

signals:
    void veraltet();
    void ersetzt();

private:
    struct Offen;
    std::unique_ptr<Offen> offen_;
    const Uhr& uhr_;
    QDate tag_;                   // the day of the lists read last
    std::optional<qint64> stand_; // the file's data version they show
    QTimer* takt_;
};

} // namespace core
