// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "meldungen.h"

#include "einpassen.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <memory>

namespace ui {

std::unique_ptr<QMessageBox> meldungsfenster(const QString& text, const QString& titel, bool frage)
{
    auto box = std::make_unique<QMessageBox>(QApplication::activeWindow());
    box->setIcon(QMessageBox::NoIcon);
    box->setWindowTitle(titel);
    box->setText(text);
    if (frage) {
        box->setDefaultButton(box->addButton(QStringLiteral("Ja"), QMessageBox::YesRole));
        box->setEscapeButton(box->addButton(QStringLiteral("Nein"), QMessageBox::NoRole));
    } else {
        box->setDefaultButton(box->addButton(QStringLiteral("OK"), QMessageBox::AcceptRole));
    }
    // The box sizes itself to its text, wrapping it; only its buttons have a fixed room.
    for (QAbstractButton* taste : box->buttons())
        textEinpassen(taste);
    return box;
}

void Meldungsfenster::hinweis(const QString& text, const QString& titel)
{
    meldungsfenster(text, titel, false)->exec();
}

bool Meldungsfenster::frage(const QString& text, const QString& titel)
{
    const std::unique_ptr<QMessageBox> box = meldungsfenster(text, titel, true);
    box->exec();
    return box->clickedButton() == box->defaultButton();
}

} // namespace ui
