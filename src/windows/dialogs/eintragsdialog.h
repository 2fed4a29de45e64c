// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QList>
#include <array>
#include <functional>
#include <optional>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QRadioButton;
namespace core {
struct Aenderung;
}
namespace ui {
class Bemerkungsfeld;
class Bildschaltflaeche;
class Meldungen;
} // namespace ui

// What a change starts from: the values of the main window's detail fields, read once, and
// whether the user typed over a field there: such a field counts as changed even if the dialog
// leaves it.
struct Eintragsstart {
    QString bezeichnung;
    int tag = 0;             // 1 to 31; 0 when the field holds no such day
    int monat = 0;           // 1 to 12; 0 when the field holds no such month
    std::optional<int> jahr; // the number the year field begins with; none when it is empty
    QString bemerkungen;
    std::array<bool, 5> getippt{}; // by store::Feld
    int bezeichnungZeichen = 0;    // what the name box takes: at least the stored name's length
    // Whether there is a day and a month to start a change from.
    bool vollstaendig() const { return tag > 0 && monat > 0; }
};

// What an entry dialog may do with the book: tell whether an entry has a name, and store the input,
// as a new entry or as the change of the entry the dialog was opened for; it gives the stored
// record's identity. Both throw StoreError when the store fails.
struct Eintragsablage {
    std::function<bool(const QString&)> nameVergeben;
    std::function<qint64(const core::Aenderung&)> speichern;
};

// The modal dialog that creates an entry (frmEintragNeu) or changes the shown one
// (frmEintragAendern). Both modes share controls and date display; a successful save stores the
// record, closes the dialog and tells which record it stored.
class Eintragsdialog : public QDialog {
    Q_OBJECT
public:
    enum class Art { Neu, Aendern };

    // For Art::Aendern, `start` holds what the main window shows.
    Eintragsdialog(Art art, Eintragsablage ablage, ui::Meldungen& meldungen, QWidget* parent,
                   const Eintragsstart& start = {});

    // The record a successful save stored; none when the dialog was cancelled.
    std::optional<qint64> gespeichert() const { return gespeichert_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void steuerelementeAnlegen();
    void Form_Load(const Eintragsstart& start);
    void optTag_Click(int index);
    void optMonat_Click(int index);
    void txtJahr_Change();
    void datumsanzeige();
    void cmdSpeichern_Click();
    void cmdAbbrechen_Click();

    bool eingabeGeprueft();
    std::optional<qint64> speichern();
    Art art_;
    Eintragsablage ablage_;
    ui::Meldungen& meldungen_;
    std::optional<qint64> gespeichert_;
    int gewaehlterTag_ = 0;    // 1 to 31 once a day is chosen
    int gewaehlterMonat_ = 0;  // 1 to 12 once a month is chosen
    int eingegebenesJahr_ = 0; // the year field's number as a 16-bit integer, 0 for none
    // What the change dialog showed once opened: a field still showing it is not written, so a
    // stored value the field cannot hold in full is never cut.
    Eintragsstart ausgang_;

    QLineEdit* txtBezeichnung = nullptr;
    QList<QRadioButton*> optTag;
    QList<QRadioButton*> optMonat;
    QButtonGroup* tage_ = nullptr;
    QButtonGroup* monate_ = nullptr;
    QLineEdit* txtJahr = nullptr;
    QLabel* lblAnzeige = nullptr;
    ui::Bemerkungsfeld* txtBemerkungen = nullptr;
    ui::Bildschaltflaeche* cmdSpeichern = nullptr;
    ui::Bildschaltflaeche* cmdAbbrechen = nullptr;
};
