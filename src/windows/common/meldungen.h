// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <memory>

class QMessageBox;

namespace ui {

// Message boxes with a German text and title and no icon. Tests answer them in place of a person.
class Meldungen {
public:
    virtual ~Meldungen() = default;
    // An error or a notice with the single button "OK".
    virtual void hinweis(const QString& text, const QString& titel) = 0;
    // A question with the buttons "Ja" and "Nein"; true only for "Ja".
    virtual bool frage(const QString& text, const QString& titel) = 0;
};

// A message box as the program shows it: no icon, "OK", or "Ja" and "Nein" for a question.
std::unique_ptr<QMessageBox> meldungsfenster(const QString& text, const QString& titel, bool frage);

class Meldungsfenster final : public Meldungen {
public:
    void hinweis(const QString& text, const QString& titel) override;
    bool frage(const QString& text, const QString& titel) override;
};

} // namespace ui
