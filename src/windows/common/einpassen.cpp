// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "einpassen.h"

#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <algorithm>
#include <numeric>

namespace ui {

namespace {

constexpr qreal untergrenze = 7.0;
constexpr qreal schritt = 0.25;
constexpr char entwurf[] = "gedenkbuchEntwurfsschrift";
// Pixels between two widgets, side by side or one above the other.
constexpr int abstand = 2;

using Plan = QHash<const QWidget*, QRect>; // the design places

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
    if (const auto* knopf = qobject_cast<const QRadioButton*>(w)) {
        QStyleOptionButton opt;
        opt.initFrom(knopf);
        opt.text = knopf->text();
        return fm.horizontalAdvance(knopf->text())
            - knopf->style()->subElementRect(QStyle::SE_RadioButtonContents, &opt, knopf).width();
    }
    return std::nullopt;
}

// Whether a command button's text keeps the margin the style gives a push button's text, in that
// font.
bool tastePasst(const QPushButton* taste, const QFont& schrift)
{
    const QFontMetrics fm(schrift);
    const QStyle* stil = taste->style();
    const int rand = stil->pixelMetric(QStyle::PM_ButtonMargin, nullptr, taste)
        + 2 * stil->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, taste);
    return fm.horizontalAdvance(taste->text()) + rand <= taste->width() && fm.height() + rand <= taste->height();
}

void tastenEinpassen(QWidget* fenster)
{
    const QList<QPushButton*> tasten = fenster->findChildren<QPushButton*>();
    if (tasten.isEmpty())
        return;
    for (QPushButton* taste : tasten)
        if (!taste->property(entwurf).isValid())
            taste->setProperty(entwurf, taste->font().pointSizeF());
    QFont schrift = tasten.first()->font();
    schrift.setPointSizeF(tasten.first()->property(entwurf).toReal());
    const auto allePassen = [&] {
        return std::all_of(tasten.cbegin(), tasten.cend(),
                           [&](const QPushButton* t) { return tastePasst(t, schrift); });
    };
    while (!allePassen() && schrift.pointSizeF() > untergrenze)
        schrift.setPointSizeF(qMax(untergrenze, schrift.pointSizeF() - schritt));
    for (QPushButton* taste : tasten)
        taste->setFont(schrift);
}

// Where a frame's contents begin, for its caption in the design font: a caption shrunk to fit may
// get that font back with a shorter text.
QRect inhalt(const QGroupBox* rahmen)
{
    QFont schrift = rahmen->font();
    if (const QVariant groesse = rahmen->property(entwurf); groesse.isValid())
        schrift.setPointSizeF(qMax(schrift.pointSizeF(), groesse.toReal()));
    QStyleOptionGroupBox opt;
    opt.initFrom(rahmen);
    opt.fontMetrics = QFontMetrics(schrift);
    opt.text = rahmen->title();
    opt.textAlignment = rahmen->alignment();
    opt.lineWidth = 1;
    opt.subControls = QStyle::SC_GroupBoxFrame;
    if (!opt.text.isEmpty())
        opt.subControls |= QStyle::SC_GroupBoxLabel;
    if (rahmen->isFlat())
        opt.features |= QStyleOptionFrame::Flat;
    return rahmen->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxContents, rahmen);
}

// The option buttons of a frame in rows and columns, told by their design tops and lefts. A column
// is as wide as its widest text needs; the columns keep their design places while they fit there,
// else they stand side by side from the first one's place, or from the frame's edge, with the room
// left shared out between them. The rows are as high as the highest button needs and at least
// their design distance apart.
void raster(QGroupBox* rahmen, const Plan& plan)
{
    QMap<int, QList<QRadioButton*>> spalten;
    QMap<int, int> zeilen;
    int hoehe = 0;
    for (QRadioButton* knopf : rahmen->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
        spalten[plan[knopf].left()] << knopf;
        zeilen[plan[knopf].top()] = 0;
        hoehe = std::max({hoehe, plan[knopf].height(), knopf->sizeHint().height()});
    }
    if (spalten.isEmpty())
        return;
    const qsizetype n = spalten.size();
    QList<int> links = spalten.keys();
    QList<int> breiten;
    for (const QList<QRadioButton*>& spalte : spalten)
        breiten << std::accumulate(spalte.cbegin(), spalte.cend(), 0,
                                   [](int b, const QRadioButton* k) { return qMax(b, k->sizeHint().width()); });
    const int rechts = inhalt(rahmen).right() + 1;
    bool amPlatz = true;
    for (qsizetype c = 0; c < n; ++c)
        amPlatz = amPlatz && links[c] + breiten[c] + (c + 1 < n ? abstand : 0) <= (c + 1 < n ? links[c + 1] : rechts);
    if (!amPlatz) {
        const int summe = std::accumulate(breiten.cbegin(), breiten.cend(), 0);
        const int luecken = int(n - 1);
        int x = links.first();
        if (x + summe + luecken * abstand > rechts)
            x = inhalt(rahmen).left();
        const int luecke = luecken ? qMax(abstand, (rechts - x - summe) / luecken) : 0;
        for (qsizetype c = 0; c < n; x += breiten[c] + luecke, ++c)
            links[c] = x;
    }
    const QList<int> oben = zeilen.keys();
    const int zeilenabstand = qMax(hoehe + abstand, oben.size() > 1 ? oben[1] - oben[0] : 0);
    qsizetype c = 0;
    for (auto spalte = spalten.cbegin(); spalte != spalten.cend(); ++spalte, ++c)
        for (QRadioButton* knopf : *spalte)
            knopf->setGeometry(links[c], oben.first() + int(oben.indexOf(plan[knopf].top())) * zeilenabstand,
                               breiten[c], hoehe);
}

// Places the children of the window or of a frame, and lets a frame grow to hold them.
void anordnen(QWidget* behaelter, const Plan& plan)
{
    QList<QWidget*> kinder;
    for (QWidget* w : behaelter->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!w->isWindow() && !w->isHidden())
            kinder << w;
    for (QWidget* w : kinder)
        if (auto* rahmen = qobject_cast<QGroupBox*>(w))
            anordnen(rahmen, plan);

    auto* rahmen = qobject_cast<QGroupBox*>(behaelter);
    if (rahmen && !kinder.isEmpty()) {
        raster(rahmen, plan);
        // The design put the contents of every frame at one distance below its top, under a
        // caption lower than the style's.
        const QRect raum = inhalt(rahmen);
        QPoint ecke = kinder.first()->pos();
        for (const QWidget* w : kinder)
            ecke = QPoint(qMin(ecke.x(), w->x()), qMin(ecke.y(), w->y()));
        const QPoint schieben(qMax(0, raum.left() - ecke.x()), qMax(0, raum.top() - ecke.y()));
        for (QWidget* w : kinder)
            w->move(w->pos() + schieben);
    }
    for (QWidget* w : kinder) {
        const auto* label = qobject_cast<const QLabel*>(w);
        if ((label && !label->wordWrap()) || qobject_cast<const QLineEdit*>(w))
            w->resize(w->width(), qMax(w->height(), w->minimumSizeHint().height()));
    }
    for (QWidget* w : kinder) {
        if (qobject_cast<QRadioButton*>(w))
            continue; // in rows and columns already
        QSize groesse = w->size();
        for (const QWidget* v : kinder)
            if (v->metaObject() == w->metaObject() && plan[v].size() == plan[w].size())
                groesse = groesse.expandedTo(v->size());
        w->resize(groesse);
    }

    // In design order, each widget keeps its distance from those placed before it: to the right of
    // one that stood left of it, else below.
    std::sort(kinder.begin(), kinder.end(), [&plan](const QWidget* a, const QWidget* b) {
        return std::pair(plan[a].top(), plan[a].left()) < std::pair(plan[b].top(), plan[b].left());
    });
    for (qsizetype i = 0; i < kinder.size(); ++i) {
        QWidget* w = kinder[i];
        for (bool bewegt = true; bewegt;) {
            bewegt = false;
            for (qsizetype j = 0; j < i; ++j) {
                const QRect davor = kinder[j]->geometry();
                if (!davor.adjusted(-abstand, -abstand, abstand, abstand).intersects(w->geometry()))
                    continue;
                if (plan[kinder[j]].right() < plan[w].left())
                    w->move(davor.right() + 1 + abstand, w->y());
                else
                    w->move(w->x(), davor.bottom() + 1 + abstand);
                bewegt = true;
            }
        }
    }

    if (rahmen && !kinder.isEmpty()) {
        const QRect raum = inhalt(rahmen);
        QRect umfang;
        for (const QWidget* w : kinder)
            umfang |= w->geometry();
        rahmen->resize(rahmen->size().expandedTo(QSize(umfang.right() + rahmen->width() - raum.right(),
                                                       umfang.bottom() + rahmen->height() - raum.bottom())));
    }
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
    Plan plan{{fenster, fenster->geometry()}};
    for (const QWidget* w : fenster->findChildren<QWidget*>())
        plan.insert(w, w->geometry());
    tastenEinpassen(fenster);
    anordnen(fenster, plan);

    // The window keeps the margins the design left right of and below what it holds.
    QRect umfang, entworfen;
    for (const QWidget* w : fenster->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w->isWindow() || w->isHidden())
            continue;
        umfang |= w->geometry();
        entworfen |= plan[w];
    }
    const QSize rand = (plan[fenster].size() - QSize(entworfen.right() + 1, entworfen.bottom() + 1)).expandedTo({0, 0});
    const QSize groesse = fenster->size().expandedTo(QSize(umfang.right() + 1, umfang.bottom() + 1) + rand);
    if (groesse != fenster->size()) {
        if (fenster->testAttribute(Qt::WA_Moved))
            fenster->move(fenster->pos()
                          - QPoint(groesse.width() - fenster->width(), groesse.height() - fenster->height()) / 2);
        fenster->setFixedSize(groesse);
    }

    textEinpassen(fenster);
    for (QWidget* w : fenster->findChildren<QWidget*>())
        textEinpassen(w);
}

} // namespace ui
