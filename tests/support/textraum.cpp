#include "textraum.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>

namespace {

// The room of a text and the width it needs in a font, or none for a widget without a text of
// this kind.
std::optional<std::pair<int, int>> raumUndBedarf(const QWidget* w, const QFont& schrift)
{
    const QFontMetrics fm(schrift, w);
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        const int raum = label->contentsRect().width() - 2 * label->margin() - qMax(0, label->indent());
        if (!label->wordWrap())
            return std::pair(raum, fm.horizontalAdvance(label->text()));
        int breitestesWort = 0; // a wrapped label cuts only a word wider than itself
        for (const QString& wort : label->text().split(QRegularExpression(QStringLiteral("\\s+"))))
            breitestesWort = qMax(breitestesWort, fm.horizontalAdvance(wort));
        return std::pair(raum, breitestesWort);
    }
    if (const auto* rahmen = qobject_cast<const QGroupBox*>(w)) {
        QStyleOptionGroupBox opt;
        opt.initFrom(rahmen);
        opt.text = rahmen->title();
        opt.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect titel = rahmen->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, rahmen);
        // The caption may reach from where the style sets it to as near the right edge.
        return std::pair(rahmen->width() - 2 * titel.left(), fm.horizontalAdvance(rahmen->title()));
    }
    if (const auto* knopf = qobject_cast<const QAbstractButton*>(w)) {
        QStyleOptionButton opt;
        opt.initFrom(knopf);
        opt.text = knopf->text();
        const bool auswahl = knopf->inherits("QRadioButton") || knopf->inherits("QCheckBox");
        const QStyle::SubElement inhalt = knopf->inherits("QRadioButton") ? QStyle::SE_RadioButtonContents
                                          : knopf->inherits("QCheckBox")   ? QStyle::SE_CheckBoxContents
                                                                           : QStyle::SE_PushButtonContents;
        const QRect raum = knopf->style()->subElementRect(inhalt, &opt, knopf);
        return std::pair(raum.width() - (auswahl ? 0 : 4), fm.horizontalAdvance(knopf->text()));
    }
    return std::nullopt;
}

QList<const QWidget*> sichtbare(const QWidget* fenster)
{
    QList<const QWidget*> alle{fenster};
    for (const QWidget* w : fenster->findChildren<QWidget*>())
        if (w->isVisibleTo(fenster->window()))
            alle << w;
    return alle;
}

QString text(const QWidget* w)
{
    return qobject_cast<const QLabel*>(w)       ? static_cast<const QLabel*>(w)->text()
           : qobject_cast<const QGroupBox*>(w) ? static_cast<const QGroupBox*>(w)->title()
                                               : static_cast<const QAbstractButton*>(w)->text();
}

} // namespace

QStringList abgeschnitteneTexte(const QWidget* fenster)
{
    QStringList zuLang;
    for (const QWidget* w : sichtbare(fenster)) {
        const auto mass = raumUndBedarf(w, w->font());
        if (mass && mass->second > mass->first)
            zuLang << QStringLiteral("%1: „%2“ braucht %3, hat %4 Pixel").arg(w->objectName(), text(w)).arg(mass->second).arg(mass->first);
    }
    return zuLang;
}

QStringList unnoetigVerkleinert(const QWidget* fenster)
{
    QStringList zuKlein;
    for (const QWidget* w : sichtbare(fenster)) {
        const QVariant entwurf = w->property("gedenkbuchEntwurfsschrift");
        QFont groesser = w->font();
        groesser.setPointSizeF(w->font().pointSizeF() + 0.25);
        const auto mass = raumUndBedarf(w, groesser);
        if (entwurf.isValid() && w->font().pointSizeF() < entwurf.toReal() && mass && mass->second <= mass->first)
            zuKlein << QStringLiteral("%1: „%2“ in %3 Punkt").arg(w->objectName(), text(w)).arg(w->font().pointSizeF());
    }
    return zuKlein;
}
