// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tagesfenster.h"

#include "windows/common/aussehen.h"
#include "windows/common/einpassen.h"
#include "windows/common/farben.h"
#include "windows/common/listenfeld.h"
#include "windows/common/twips.h"

#include <QGroupBox>

namespace {

// Screen readers name the lists by their day; the frame captions carry the dates.
constexpr const char* listennamen[core::tagesanzahl]
    = {"Vorgestern",    "Gestern",       "Heute",         "Morgen",        "Übermorgen",
       "In drei Tagen", "In vier Tagen", "In fünf Tagen", "In sechs Tagen"};

} // namespace

Tagesfenster::Tagesfenster(QWidget* fenster) : QObject(fenster)
{
    for (int k = 0; k < core::tagesanzahl; ++k) {
        auto* rahmen = new QGroupBox(fenster);
        rahmen->setObjectName(QStringLiteral("Frame%1").arg(k + 1));
        rahmen->setGeometry(ui::twips(480, 240 + 960 * k, 5535, 900));
        ui::hintergrund(rahmen, farben::rahmen);

        auto* liste = new ui::Listenfeld(false, rahmen);
        liste->setObjectName(QStringLiteral("List%1").arg(k));
        liste->setGeometry(ui::twips(120, 240, 5295, 540));
        liste->setFont(ui::msSansSerif(k == core::heuteSlot));
        liste->setAccessibleName(QString::fromUtf8(listennamen[k]));
        connect(liste, &ui::Listenfeld::zeileGewaehlt, this, [this, k](int row) { List_Click(k, row); });

        if (k == core::heuteSlot) {
            rahmen->setFont(ui::msSansSerif(true));
            QPalette palette = rahmen->palette();
            palette.setColor(QPalette::WindowText, farben::heuteSchrift);
            rahmen->setPalette(palette);
        }
        rahmen_[k] = rahmen;
        listen_[k] = liste;
    }
}

void Tagesfenster::zeigen(const std::array<QString, core::tagesanzahl>& titel, core::Tageslisten listen)
{
    for (int k = 0; k < core::tagesanzahl; ++k) {
        rahmen_[k]->setTitle(titel[k]);
        ui::textEinpassen(rahmen_[k]);
        listen_[k]->leeren();
        listen_[k]->hinzufuegen(std::move(listen[k]));
    }
}

void Tagesfenster::List_Click(int slot, int row)
{
    const qint64 id = listen_[slot]->id(row);
    for (ui::Listenfeld* liste : listen_)
        liste->waehlen(-1);
    emit eintragGewaehlt(id);
}
