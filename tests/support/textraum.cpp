// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "textraum.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>

namespace {

struct Text {
    QString text;
    int raum; // the pixels the style gives it
};

std::optional<Text> textMitRaum(const QWidget* w)
{
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return Text{label->text(), label->contentsRect().width()};
    if (const auto* rahmen = qobject_cast<const QGroupBox*>(w)) {
        QStyleOptionGroupBox opt;
        opt.initFrom(rahmen);
        opt.text = rahmen->title();
        opt.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const auto teil = [&](QStyle::SubControl sc) {
            return rahmen->style()->subControlRect(QStyle::CC_GroupBox, &opt, sc, rahmen);
        };
        // The caption begins where the style puts it and ends within the frame.
        return Text{rahmen->title(), teil(QStyle::SC_GroupBoxFrame).right() - teil(QStyle::SC_GroupBoxLabel).left()};
    }
    if (const auto* knopf = qobject_cast<const QAbstractButton*>(w)) {
        QStyleOptionButton opt;
        opt.initFrom(knopf);
        opt.text = knopf->text();
        const auto inhalt
            = knopf->inherits("QRadioButton") ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents;
        return Text{knopf->text(), knopf->style()->subElementRect(inhalt, &opt, knopf).width()};
    }
    return std::nullopt;
}

// A label that wraps its text needs room for each word.
bool passt(const QWidget* w, const Text& t, const QFont& schrift)
{
    const QFontMetrics fm(schrift, w);
    const auto* label = qobject_cast<const QLabel*>(w);
    const QStringList teile = label && label->wordWrap() ? t.text.split(u' ') : QStringList{t.text};
    return std::all_of(teile.cbegin(), teile.cend(),
                       [&](const QString& teil) { return fm.elidedText(teil, Qt::ElideRight, t.raum) == teil; });
}

} // namespace

QStringList textfehler(const QWidget* fenster)
{
    QStringList fehler;
    QList<const QWidget*> alle{fenster};
    for (const QWidget* w : fenster->findChildren<QWidget*>())
        if (w->isVisibleTo(fenster->window()))
            alle << w;
    for (const QWidget* w : alle) {
        const std::optional<Text> t = textMitRaum(w);
        QFont groesser = w->font();
        groesser.setPointSizeF(groesser.pointSizeF() + 0.25);
        if (t && !passt(w, *t, w->font()))
            fehler << QStringLiteral("%1: „%2“ abgeschnitten").arg(w->objectName(), t->text);
        else if (t && w->font().pointSizeF() < w->property("gedenkbuchEntwurfsschrift").toReal()
                 && passt(w, *t, groesser))
            fehler << QStringLiteral("%1: „%2“ in %3 Punkt").arg(w->objectName(), t->text).arg(w->font().pointSizeF());
    }
    return fehler;
}
