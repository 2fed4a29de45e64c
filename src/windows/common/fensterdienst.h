// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QDialog;

namespace ui {

// Opens modal dialogs. Tests put a service in its place that drives the dialog's real widgets
// instead of waiting for a person.
class Fensterdienst {
public:
    virtual ~Fensterdienst() = default;
    // Returns when the dialog has been closed.
    virtual void modalZeigen(QDialog& dialog) = 0;
};

class Dialogfenster final : public Fensterdienst {
public:
    void modalZeigen(QDialog& dialog) override;
};

} // namespace ui
