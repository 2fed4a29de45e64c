// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "einpassen.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>

namespace ui {

namespace {

constexpr qreal untergrenze = 7.0;
constexpr qreal schritt = 0.25;
constexpr char entwurf[] = "gedenkbuchEntwurfsschrift";

// How far the text reaches beyond its room, in pixels; none for a widget without such a text.
std::optional<int> ueberstand(const QWidget* w)
{
    const QFontMetrics fm = w->fontMetrics();
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        if (label->wordWrap() || label->textFormat() == Qt::RichText)
            return std::nullopt;
        return fm.horizontalAdvance(label->text())
            - (label->contentsRect().width() - 2 * label->margin() - qMax(0, label->indent()));
    }
    if (const auto* rahmen = qobject_cast<const QGroupBox*>(w)) {
        QStyleOptionGroupBox opt; // as the frame paints itself; a check box would take room first
        opt.initFrom(rahmen);
        opt.text = rahmen->title();
        opt.textAlignment = rahmen->alignment();
        opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        if (rahmen->isCheckable())
            opt.subControls |= QStyle::SC_GroupBoxCheckBox;
        if (rahmen->isFlat())
            opt.features |= QStyleOptionFrame::Flat;
        const int links
            = rahmen->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, rahmen).left();
        return fm.horizontalAdvance(rahmen->title()) - (rahmen->width() - 2 * links);
    }
    if (const auto* knopf = qobject_cast<const QAbstractButton*>(w)) {
        QStyleOptionButton opt;
        opt.initFrom(knopf);
        opt.text = knopf->text();
        const bool auswahl = knopf->inherits("QRadioButton");
        const QRect inhalt = knopf->style()->subElementRect(
            auswahl ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents, &opt, knopf);
        return fm.horizontalAdvance(knopf->text()) - (inhalt.width() - (auswahl ? 0 : 4));
    }
    return std::nullopt;
}

} // namespace

void textEinpassen(QWidget* widget)
{
    if (!ueberstand(widget))
        return;
    QVariant entwurfsgroesse = widget->property(entwurf);
    if (!entwurfsgroesse.isValid()) {
        entwurfsgroesse = widget->font().pointSizeF();
        widget->setProperty(entwurf, entwurfsgroesse);
        // What a frame holds keeps its own font when the frame's caption gets a smaller one.
        for (QWidget* kind : widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            kind->setFont(kind->font());
    }
    QFont schrift = widget->font();
    schrift.setPointSizeF(entwurfsgroesse.toReal());
    widget->setFont(schrift);
    while (*ueberstand(widget) > 0 && schrift.pointSizeF() > untergrenze) {
        schrift.setPointSizeF(qMax(untergrenze, schrift.pointSizeF() - schritt));
        widget->setFont(schrift);
    }
}

void texteEinpassen(QWidget* fenster)
{
    textEinpassen(fenster);
    for (QWidget* w : fenster->findChildren<QWidget*>())
        textEinpassen(w);
}

} // namespace ui
