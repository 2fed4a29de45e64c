// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bemerkungsfeld.h"

#include <QLocale>
#include <QMimeData>
#include <QTextBlock>

namespace ui {

namespace {

constexpr qsizetype langerLauf = 2000;
// Remarks up to a megabyte of characters are shown whole (about a second to lay out without a
// blank); of longer ones, which only another program writes, the beginning.
constexpr qsizetype ganzGezeigt = 1 << 20;
constexpr qsizetype anfangGezeigt = 10'000;

bool hatLangenLauf(QStringView text)
{
    qsizetype lauf = 0;
    for (QChar c : text) {
        lauf = c.isSpace() ? 0 : lauf + 1;
        if (lauf > langerLauf)
            return true;
    }
    return false;
}

} // namespace

Bemerkungsfeld::Bemerkungsfeld(QWidget* parent) : QPlainTextEdit(parent)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabChangesFocus(true);
    // Typing a long run by hand: the block being typed in is the one to look at.
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        const QTextBlock block = textCursor().block();
        if (block.length() > langerLauf)
            umbruchFuer(block.text(), false);
    });
}

void Bemerkungsfeld::setzen(const QString& text)
{
    if (text.size() <= ganzGezeigt) {
        zuLang_.clear();
        setReadOnly(false);
        umbruchFuer(text, true);
        setPlainText(text);
        return;
    }
    zuLang_ = text;
    const QString anfang = text.first(text[anfangGezeigt - 1].isHighSurrogate() ? anfangGezeigt - 1 : anfangGezeigt);
    umbruchFuer(anfang, true);
    setPlainText(anfang
                 + QStringLiteral("\n\n[… Die Bemerkungen sind zu lang, um sie ganz zu zeigen (%1 Zeichen). "
                                  "Sie bleiben, wie sie sind.]")
                       .arg(QLocale(QLocale::German).toString(text.size())));
    setReadOnly(true);
}

QString Bemerkungsfeld::text() const
{
    return zuLang_.isEmpty() ? toPlainText() : zuLang_;
}

void Bemerkungsfeld::insertFromMimeData(const QMimeData* quelle)
{
    if (quelle->hasText())
        umbruchFuer(quelle->text(), false);
    QPlainTextEdit::insertFromMimeData(quelle);
}

void Bemerkungsfeld::umbruchFuer(QStringView text, bool ersetzt)
{
    const bool lang = hatLangenLauf(text);
    if (lang && wordWrapMode() != QTextOption::WrapAnywhere) {
        setWordWrapMode(QTextOption::WrapAnywhere);
    } else if (!lang && ersetzt && wordWrapMode() != QTextOption::WrapAtWordBoundaryOrAnywhere) {
        clear(); // the old text is not laid out again in the new mode
        setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    }
}

} // namespace ui
