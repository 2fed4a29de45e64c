// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fensterprobe.h"

#include "core/durchlauf.h"
#include "windows/common/meldungen.h"
#include "windows/startup/frmstart.h"

#include <QApplication>
#include <QGroupBox>
#include <QMessageBox>
#include <QStyleOptionGroupBox>
#include <QTextLayout>

namespace {

// Whether the widget's text keeps, in its present font, the margin the style gives such a text:
// the size the style asks for it fits the widget. None for a widget without such a text.
std::optional<bool> textPasst(const QWidget* w)
{
    const QStyle* stil = w->style();
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        if (label->wordWrap())
            return label->heightForWidth(label->width()) <= label->height();
        return label->width() >= label->sizeHint().width() && label->height() >= label->sizeHint().height();
    }
    if (const auto* rahmen = qobject_cast<const QGroupBox*>(w)) {
        QStyleOptionGroupBox opt;
        opt.initFrom(rahmen);
        opt.text = rahmen->title();
        opt.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const int links = stil->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, rahmen).left();
        // The caption keeps as far from the right edge as from the left.
        return links + rahmen->fontMetrics().horizontalAdvance(rahmen->title()) <= rahmen->width() - links;
    }
    if (const auto* knopf = qobject_cast<const QAbstractButton*>(w)) {
        const auto* taste = qobject_cast<const QPushButton*>(knopf);
        QStyleOptionButton opt;
        opt.initFrom(knopf);
        opt.text = knopf->text();
        if (taste && taste->autoDefault())
            opt.features |= QStyleOptionButton::AutoDefaultButton;
        const QSize noetig
            = stil->sizeFromContents(taste ? QStyle::CT_PushButton : QStyle::CT_RadioButton, &opt,
                                     knopf->fontMetrics().size(Qt::TextShowMnemonic, knopf->text()), knopf);
        return knopf->width() >= noetig.width() && knopf->height() >= noetig.height();
    }
    if (const auto* feld = qobject_cast<const QLineEdit*>(w))
        return feld->height() >= feld->minimumSizeHint().height();
    return std::nullopt;
}

// Whether these widgets have a smaller font than designed, although their texts would keep their
// margins a quarter point larger.
bool zuKlein(const QList<const QWidget*>& widgets)
{
    if (widgets.isEmpty()
        || widgets[0]->font().pointSizeF() >= widgets[0]->property("gedenkbuchEntwurfsschrift").toReal())
        return false;
    QList<QFont> schriften;
    for (const QWidget* w : widgets) {
        schriften << w->font();
        QFont groesser = w->font();
        groesser.setPointSizeF(groesser.pointSizeF() + 0.25);
        const_cast<QWidget*>(w)->setFont(groesser);
    }
    const bool passt
        = std::all_of(widgets.cbegin(), widgets.cend(), [](const QWidget* w) { return textPasst(w).value_or(true); });
    for (qsizetype i = 0; i < widgets.size(); ++i)
        const_cast<QWidget*>(widgets[i])->setFont(schriften[i]);
    return passt;
}

// Where the label's lines begin after the first, as it shows them: after each line break of its
// text and, where it wraps, where Qt's layout wraps the text within the label's width.
QList<qsizetype> zeilenanfaenge(const QLabel* label)
{
    QList<qsizetype> anfaenge;
    qsizetype anfang = 0;
    for (const QString& absatz : label->text().split(u'\n')) {
        if (anfang > 0)
            anfaenge << anfang;
        if (label->wordWrap()) {
            QTextLayout satz(absatz, label->font()); // wrapped at word boundaries, as a label does
            satz.beginLayout();
            for (QTextLine zeile = satz.createLine(); zeile.isValid(); zeile = satz.createLine()) {
                zeile.setLineWidth(label->contentsRect().width());
                if (zeile.textStart() > 0)
                    anfaenge << anfang + zeile.textStart();
            }
            satz.endLayout();
        }
        anfang += absatz.size() + 1;
    }
    return anfaenge;
}

// What a careful designer would not let pass in a shown window or message box, one line each, for
// the window and every visible widget below it: a widget that overlaps a sibling, a label or an
// option button that touches one; a widget outside its window, or outside the contents of its
// frame (below the caption, within the lines); a text nearer the edge than the style's margin for
// such a widget, or in a smaller font than designed although a quarter point more would keep it;
// command buttons of one window in different fonts; a label's line broken elsewhere than after a
// blank, or within „…“; a window larger than a 1280 × 1024 screen.
QStringList layoutfehler(const QWidget* fenster)
{
    QStringList fehler;
    QList<const QWidget*> alle{fenster};
    for (const QWidget* w : fenster->findChildren<QWidget*>())
        if (w->isVisibleTo(fenster))
            alle << w;
    QList<const QWidget*> tasten;
    for (const QWidget* w : alle) {
        if (qobject_cast<const QPushButton*>(w))
            tasten << w;
        else if (zuKlein({w}))
            fehler << QStringLiteral("%1: in %2 Punkt").arg(w->objectName()).arg(w->font().pointSizeF());
        if (!textPasst(w).value_or(true))
            fehler << w->objectName() + QStringLiteral(": Text näher am Rand, als der Stil erlaubt");

        if (const auto* label = qobject_cast<const QLabel*>(w)) {
            const QString text = label->text();
            for (const qsizetype anfang : zeilenanfaenge(label))
                if (!text.at(anfang - 1).isSpace() || text.first(anfang).count(u'„') > text.first(anfang).count(u'“'))
                    fehler << QStringLiteral("%1: Zeile bricht vor „%2“").arg(w->objectName(), text.mid(anfang, 20));
        }

        const QWidget* eltern = w->parentWidget();
        const auto* rahmen = qobject_cast<const QGroupBox*>(eltern);
        if (w != fenster && (rahmen || eltern == fenster)
            && !(rahmen ? rahmen->contentsRect() : eltern->rect()).contains(w->geometry()))
            fehler << QStringLiteral("%1: außerhalb von %2").arg(w->objectName(), eltern->objectName());
        const bool text = qobject_cast<const QLabel*>(w) || qobject_cast<const QRadioButton*>(w);
        for (const QWidget* v : alle) {
            if (v == w || v->parentWidget() != eltern || w == fenster)
                continue;
            if (v->geometry().intersects(w->geometry())) {
                if (v < w)
                    fehler << QStringLiteral("%1 überdeckt %2").arg(w->objectName(), v->objectName());
            } else if (text && w->geometry().adjusted(-1, -1, 1, 1).intersects(v->geometry())) {
                fehler << QStringLiteral("%1 berührt %2").arg(w->objectName(), v->objectName());
            }
        }
    }

    for (const QWidget* taste : tasten)
        if (taste->font() != tasten.first()->font())
            fehler
                << QStringLiteral("%1: andere Schrift als %2").arg(taste->objectName(), tasten.first()->objectName());
    if (zuKlein(tasten))
        fehler << QStringLiteral("Befehlstasten in %1 Punkt").arg(tasten.first()->font().pointSizeF());
    if (fenster->width() > 1280 || fenster->height() > 1024)
        fehler << QStringLiteral("%1: größer als 1280 × 1024").arg(fenster->objectName());
    return fehler;
}

} // namespace

// CTest runs this at the scale factors 1, 1.5 and 2 (QT_SCALE_FACTOR).
class TestLayout : public QObject {
    Q_OBJECT
private slots:
    void fenster_data()
    {
        QTest::addColumn<qreal>("mehr"); // points above the system font
        QTest::newRow("Systemschrift") << 0.0;
        QTest::newRow("2 Punkt größer") << 2.0;
    }

    // Every window and message box as a careful designer would lay it out (layoutfehler). The
    // messages are those the windows gave here and the one about a damaged file, with a path
    // longer than a line; a box shows each word for word, with line breaks only in place of blanks.
    void fenster()
    {
        QFETCH(qreal, mehr);
        const QFont system = QApplication::font();
        QFont schrift = system;
        schrift.setPointSizeF(system.pointSizeF() + mehr);
        QApplication::setFont(schrift);
        Eintraege zwoelf; // "Übermorgen: Donnerstag, 31.12.2026 (12)"
        for (int i = 0; i < 12; ++i)
            zwoelf.append({QStringLiteral("Silvester %1 ").arg(i).repeated(4).left(50), 31, 12, 1990, {}});
        Fensterprobe p(QDate(2026, 12, 29), zwoelf);
        QVERIFY(p.zeigen());
        QStringList fehler = layoutfehler(&p.fenster());
        p.voll().waehlen(0);
        p.mausInDieListe();
        p.klicken("cmdLoeschen");
        for (const char* taste : {"cmdEintragNeu", "cmdAenderung", "cmdSuchen"})
            p.mitDialog(taste, [&](QDialog& d) {
                if (d.objectName() == QLatin1String("frmSuche"))
                    suchlauf(d, QStringLiteral("Silvester"));
                fehler << layoutfehler(&d);
                if (d.objectName() == QLatin1String("frmEintragNeu"))
                    Eintragsprobe{d}.speichern();
            });
        frmStart start;
        start.show();
        fehler << layoutfehler(&start);

        const QStringList meldungen = p.t.meldungen.gezeigt << "Ladefehler: "
                + core::fehlertext(store::StoreError(
                    store::StoreError::Art::Beschaedigt,
                    QStringLiteral("/home/anna-lena.mustermann/.local/share/gedenkbuch/daten.mdb")));
        for (const QString& meldung : meldungen) {
            const bool frage = meldung.startsWith(u'?');
            const QString text = meldung.section(QStringLiteral(": "), 1);
            const auto box = ui::meldungsfenster(text, meldung.section(QStringLiteral(": "), 0, 0).mid(frage), frage);
            box->show();
            fehler << layoutfehler(box.get());
            if (QString(box->text()).replace(u'\n', u' ') != QString(text).replace(u'\n', u' '))
                fehler << QStringLiteral("Meldung verändert: ") + box->text();
        }
        QApplication::setFont(system);
        QCOMPARE(meldungen.size(), 3);
        QCOMPARE(fehler.join(u'\n'), QString());
    }
};

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
