#pragma once

#include <QDialog>

class QLineEdit;
namespace core {
class Eintragsbuch;
class Uhr;
} // namespace core
namespace ui {
class Bildschaltflaeche;
class Listenfeld;
class Meldungen;
} // namespace ui

// The modal search dialog: entries whose name contains the term (upper and lower case distinct)
// and entries whose month is the term's number. It ends with a chosen result or with cancel.
class frmSuche : public QDialog {
    Q_OBJECT
public:
    enum class Ausgang { Offen, Uebernommen, Abgebrochen };

    frmSuche(core::Eintragsbuch& buch, const core::Uhr& uhr, ui::Meldungen& meldungen, QWidget* parent);

    Ausgang ausgang() const { return ausgang_; }
    // The entry of the chosen result line, after Ausgang::Uebernommen.
    qint64 auswahl() const { return auswahl_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void steuerelementeAnlegen();
    void txtSuche_Change();
    void cmdSuchStart_Click();
    void lstSuchergebnisse_Click(int row);
    void cmdAbbruch_Click();

    core::Eintragsbuch& buch_;
    const core::Uhr& uhr_;
    ui::Meldungen& meldungen_;
    Ausgang ausgang_ = Ausgang::Offen;
    qint64 auswahl_ = -1;
    QLineEdit* txtSuche = nullptr;
    ui::Listenfeld* lstSuchergebnisse = nullptr;
    ui::Bildschaltflaeche* cmdSuchStart = nullptr;
    ui::Bildschaltflaeche* cmdAbbruch = nullptr;
};
