// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "meldungen.h"

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <memory>

namespace ui {

namespace {

// The text with line breaks in place of some blanks, so that no line is wider than `breite`
// where a blank allows it. A blank within „…“ does not: a command or a path stays whole on its
// line, as does any word with a hyphen or a slash. Only blanks change, so a text copied from the
// box still works where it is pasted.
QString umbrochen(const QString& text, const QFontMetrics& fm, int breite)
{
    QString zeilen = text;
    qsizetype anfang = 0, luecke = -1;
    int zitat = 0;
    for (qsizetype i = 0; i <= zeilen.size(); ++i) {
        const QChar c = i < zeilen.size() ? zeilen.at(i) : QChar(u'\n');
        if (c == u'„')
            ++zitat;
        else if (c == u'“')
            zitat = qMax(0, zitat - 1);
        if ((c != u' ' || zitat > 0) && c != u'\n')
            continue;
        if (luecke >= 0 && fm.horizontalAdvance(zeilen.sliced(anfang, i - anfang)) > breite) {
            zeilen[luecke] = u'\n';
            anfang = luecke + 1;
        }
        luecke = i;
        if (c == u'\n') {
            anfang = i + 1;
            luecke = -1;
        }
    }
    return zeilen;
}

} // namespace

std::unique_ptr<QMessageBox> meldungsfenster(const QString& text, const QString& titel, bool frage)
{
    auto box = std::make_unique<QMessageBox>(QApplication::activeWindow());
    box->setIcon(QMessageBox::NoIcon);
    box->setWindowTitle(titel);
    if (frage) {
        box->setDefaultButton(box->addButton(QStringLiteral("Ja"), QMessageBox::YesRole));
        box->setEscapeButton(box->addButton(QStringLiteral("Nein"), QMessageBox::NoRole));
    } else {
        box->setDefaultButton(box->addButton(QStringLiteral("OK"), QMessageBox::AcceptRole));
    }
    box->setText(text);
    for (QLabel* label : box->findChildren<QLabel*>()) {
        if (label->text() != text)
            continue;
        // Once the box would be wider than half the screen, at most 500 pixels, it wraps the text
        // wherever a line may break, at a hyphen too. Broken here, no line comes near that; one
        // that stays wider, for a long path, keeps the text as wide as the screen allows, so that
        // the box does not wrap it.
        const int rand = box->layout()->totalMinimumSize().width() - label->minimumSizeHint().width();
        const int bildschirm = box->screen()->availableGeometry().width();
        box->setText(umbrochen(text, box->fontMetrics(), qMin(bildschirm / 2, 500) - rand));
        label->setMinimumWidth(qMin(label->sizeHint().width(), bildschirm - rand));
    }
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
