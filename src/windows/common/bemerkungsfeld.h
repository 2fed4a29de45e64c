// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPlainTextEdit>

namespace ui {

// A box for remarks: several lines, a vertical scroll bar always there, Tab moves on. Lines wrap
// at word boundaries; a text with a very long run without a blank wraps anywhere instead, since
// finding word boundaries where there are none takes time that grows with the square of the run
// (a megabyte of it would freeze the window for minutes). The choice is made before a text goes
// in, whether it is shown, pasted or dropped.
//
// Remarks of more than a million characters, which only another program writes, would take many
// seconds to lay out in any mode: the box then shows their beginning, read-only, and keeps them
// whole for text(), so that no edit ever cuts them.
class Bemerkungsfeld : public QPlainTextEdit {
public:
    explicit Bemerkungsfeld(QWidget* parent = nullptr);
    // Shows a text in place of the present one.
    void setzen(const QString& text);
    // What the box holds: the text typed or shown, or the whole of a text too long to be shown.
    QString text() const;

protected:
    void insertFromMimeData(const QMimeData* quelle) override;

private:
    void umbruchFuer(QStringView text, bool ersetzt);

    QString zuLang_; // a text too long to be shown, kept whole; empty otherwise
};

} // namespace ui
