#pragma once

#include <QDialog>

class frmGedenkbuch;
class QLineEdit;
namespace ui {
class Bildschaltflaeche;
class Listenfeld;
class Uhr;
} // namespace ui

// The modal search dialog: entries whose name contains the term (upper and lower case distinct)
// and entries whose month is the term's number. A chosen result is taken over into the main
// window; cancelling leaves the main window with no entry selected.
class frmSuche : public QDialog {
    Q_OBJECT
public:
    frmSuche(frmGedenkbuch& haupt, const ui::Uhr& uhr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void steuerelementeAnlegen();
    void txtSuche_Change();
    void cmdSuchStart_Click();
    void lstSuchergebnisse_Click(int row);
    void cmdAbbruch_Click();
    void schliessen();

    frmGedenkbuch& haupt_;
    const ui::Uhr& uhr_;
    QLineEdit* txtSuche = nullptr;
    ui::Listenfeld* lstSuchergebnisse = nullptr;
    ui::Bildschaltflaeche* cmdSuchStart = nullptr;
    ui::Bildschaltflaeche* cmdAbbruch = nullptr;
};
