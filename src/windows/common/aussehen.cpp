// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "aussehen.h"

#include "core/eintrag.h"

#include <QLabel>
#include <QLineEdit>
#include <QValidator>
#include <QWidget>

namespace ui {

namespace {

// Holds a text to a number of characters without splitting one: a character beyond the Basic
// Multilingual Plane, an emoji say, takes two UTF-16 units and stays whole or goes whole. What is
// too much is taken from just before the cursor, the end of what was typed or pasted, so the text
// already there stays as it is.
class Zeichengrenze final : public QValidator {
public:
    Zeichengrenze(int zeichen, QObject* parent) : QValidator(parent), zeichen_(zeichen) {}
    void setzen(int zeichen) { zeichen_ = zeichen; }

    State validate(QString& text, int& stelle) const override
    {
        if (text.size() <= zeichen_) // never more characters than UTF-16 units
            return Acceptable;
        const auto paar
            = [&text](qsizetype i) { return text.at(i).isHighSurrogate() && text.at(i + 1).isLowSurrogate(); };
        qsizetype zuviel = core::zeichenzahl(text) - zeichen_;
        for (; zuviel > 0 && stelle > 0; --zuviel) {
            const int breite = stelle >= 2 && paar(stelle - 2) ? 2 : 1;
            text.remove(stelle - breite, breite);
            stelle -= breite;
        }
        for (; zuviel > 0; --zuviel)
            text.chop(text.size() >= 2 && paar(text.size() - 2) ? 2 : 1);
        return Acceptable;
    }

private:
    int zeichen_;
};

} // namespace

QFont msSansSerif(bool fett)
{
    QFont schrift(QStringLiteral("MS Sans Serif"));
    schrift.setStyleHint(QFont::SansSerif);
    schrift.setPointSizeF(9.75);
    schrift.setBold(fett);
    return schrift;
}

void hintergrund(QWidget* widget, QColor farbe)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, farbe);
    palette.setColor(widget->backgroundRole(), farbe); // buttons fill with the Button role
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void feldhintergrund(QWidget* widget, QColor farbe)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, farbe);
    widget->setPalette(palette);
}

QLineEdit* textfeld(QWidget* eltern, const char* name, const QString& zugriffsname, int laenge, const QRect& ort)
{
    auto* feld = new QLineEdit(eltern);
    feld->setObjectName(QLatin1String(name));
    feld->setAccessibleName(zugriffsname);
    // The box's own limit counts UTF-16 units and would split a character; it only keeps a pasted
    // text from growing without end before the validator cuts it to whole characters.
    feld->setValidator(new Zeichengrenze(laenge, feld));
    zeichengrenze(feld, laenge);
    feld->setGeometry(ort);
    feld->setFont(msSansSerif());
    return feld;
}

void zeichengrenze(QLineEdit* feld, int zeichen)
{
    if (auto* grenze = dynamic_cast<Zeichengrenze*>(const_cast<QValidator*>(feld->validator())))
        grenze->setzen(zeichen);
    feld->setMaxLength(2 * zeichen);
}

int zeichengrenze(const QLineEdit* feld)
{
    return feld->maxLength() / 2;
}

void tabfolge(const QList<QWidget*>& folge)
{
    for (qsizetype i = 1; i < folge.size(); ++i)
        QWidget::setTabOrder(folge[i - 1], folge[i]);
}

} // namespace ui
