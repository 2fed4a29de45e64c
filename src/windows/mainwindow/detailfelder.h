#pragma once

#include "windows/dialogs/eintragsdialog.h"

#include <QtGlobal>
#include <optional>

class QGroupBox;
class QLineEdit;
class QWidget;
namespace ui {
class Bemerkungsfeld;
}
namespace core {
struct Eintrag;
}

// The detail panel: the frame Frame10, "Angaben", with the five fields of the shown entry.
class Detailfelder {
public:
    // Creates the frame and its fields on the main window, empty and disabled.
    explicit Detailfelder(QWidget* fenster);

    // Rest state: the five fields emptied, then disabled.
    void ruhezustand();
    // Shown state: the fields enabled and filled with an entry. Year and remarks are emptied
    // first, so nothing of the entry shown before stays.
    void zeigen(const core::Eintrag& eintrag);
    // The record the panel shows, if any; the commands act on it and on nothing else.
    std::optional<qint64> angezeigt() const { return angezeigt_; }
    // What a change of the shown entry starts from: the fields' texts, and which of them the user
    // typed over since the entry was shown.
    Eintragsstart startwerte() const;

    QGroupBox* Frame10;
    QLineEdit* txtBezeichnung;
    QLineEdit* txtTag;
    QLineEdit* txtMonat;
    QLineEdit* txtJahr;
    ui::Bemerkungsfeld* txtBemerkungen;

private:
    QStringList texte() const;

    std::optional<qint64> angezeigt_;
    QStringList gezeigt_; // the texts as the entry was shown, by store::Feld
};
