#pragma once

#include <QDialog>
#include <QList>
#include <array>
#include <optional>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QRadioButton;
namespace core {
class Eintragsbuch;
}
namespace ui {
class Bemerkungsfeld;
class Bildschaltflaeche;
class Meldungen;
} // namespace ui

// The texts of the main window's detail fields, which a change starts from, and whether the user
// typed over them there: such a field counts as changed even if the dialog leaves it.
struct Eintragsstart {
    QString bezeichnung, tag, monat, jahr, bemerkungen;
    std::array<bool, 5> getippt{}; // by store::Feld
    int bezeichnungZeichen = 0;    // what the name box takes: at least the stored name's length
};

// The modal dialog that creates an entry (frmEintragNeu) or changes the shown one
// (frmEintragAendern). Both modes share controls and date display; a successful save stores the
// record, closes the dialog and tells which record it stored.
class Eintragsdialog : public QDialog {
    Q_OBJECT
public:
    enum class Art { Neu, Aendern };

    // For Art::Aendern, `eintrag` is the record the main window shows.
    Eintragsdialog(Art art, core::Eintragsbuch& buch, ui::Meldungen& meldungen, QWidget* parent,
                   std::optional<qint64> eintrag = {}, const Eintragsstart& start = {});

    // Whether the fields hold a day 1 to 31 and a month 1 to 12 to start a change from.
    static bool aenderungMoeglich(const Eintragsstart& start);

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
    core::Eintragsbuch& buch_;
    ui::Meldungen& meldungen_;
    std::optional<qint64> eintrag_;
    std::optional<qint64> gespeichert_;
    QString gewaehlterTag_ = QStringLiteral("0");
    qint16 gewaehlterMonat_ = 0;
    qint16 eingegebenesJahr_ = 0;
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
