// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "windows/dialogs/eintragsdialog.h"

#include <QGroupBox>
#include <optional>

class QLineEdit;
namespace ui {
class Bemerkungsfeld;
}
namespace core {
struct Eintrag;
}

// The detail panel: the frame Frame10, "Angaben", with the five fields of the shown entry. The
// fields only show the entry; what the user does to them goes to the window as signals.
class Detailfelder : public QGroupBox {
    Q_OBJECT
public:
    // The frame at its place on the main window, its fields empty and disabled.
    explicit Detailfelder(QWidget* fenster);

    // Rest state: the five fields emptied, then disabled.
    void ruhezustand();
    // Shown state: the fields enabled and filled with an entry, nothing of the one before kept.
    void zeigen(const core::Eintrag& eintrag);
    // What a change of the shown entry starts from: the fields' texts, and which of them the user
    // typed over since the entry was shown.
    Eintragsstart startwerte() const;
    // Puts the five fields into the window's tab order, after `davor` and before `danach`.
    void tabfolge(QWidget* davor, QWidget* danach);

signals:
    // A mouse button pressed on a field; the field itself does nothing with it.
    void feldAngeklickt();
    // A key with a text typed into the year, before the year takes it.
    void jahrGetippt();

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    QStringList texte() const;

    QStringList gezeigt_; // the texts as the entry was shown, by store::Feld
    QLineEdit* txtBezeichnung;
    QLineEdit* txtTag;
    QLineEdit* txtMonat;
    QLineEdit* txtJahr;
    ui::Bemerkungsfeld* txtBemerkungen;
};
