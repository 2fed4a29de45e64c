#pragma once

class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

// The detail panel: the frame Frame10, "Angaben", with the five fields of the shown entry.
class Detailfelder {
public:
    // Creates the frame and its fields on the main window, empty and disabled.
    explicit Detailfelder(QWidget* fenster);

    // Rest state: the five fields emptied, then disabled.
    void ruhezustand();

    QGroupBox* Frame10;
    QLineEdit* txtBezeichnung;
    QLineEdit* txtTag;
    QLineEdit* txtMonat;
    QLineEdit* txtJahr;
    QPlainTextEdit* txtBemerkungen;
};
