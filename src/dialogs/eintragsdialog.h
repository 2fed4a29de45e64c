#pragma once

#include <QDialog>
#include <QList>
#include <optional>

class frmGedenkbuch;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
namespace ui {
class Bildschaltflaeche;
class Meldungen;
} // namespace ui

// The modal dialog that creates an entry (frmEintragNeu) or changes the shown one
// (frmEintragAendern). Both modes share controls, date display and the refresh after saving.
class Eintragsdialog : public QDialog {
    Q_OBJECT
public:
    enum class Art { Neu, Aendern };

    // For Art::Aendern, `eintrag` is the record the main window shows; the dialog starts from the
    // main window's detail fields.
    Eintragsdialog(Art art, frmGedenkbuch& haupt, ui::Meldungen& meldungen, std::optional<qint64> eintrag = {});

    // Whether the detail fields hold a day 1 to 31 and a month 1 to 12 to start a change from.
    static bool aenderungMoeglich(const frmGedenkbuch& haupt);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void steuerelementeAnlegen();
    void Form_Load();
    void optTag_Click(int index);
    void optMonat_Click(int index);
    void txtJahr_Change();
    void datumsanzeige();
    void cmdSpeichern_Click();
    void cmdAbbrechen_Click();

    bool eingabeGeprueft();
    bool bezeichnungVergeben(const QString& name);
    std::optional<qint64> speichern();

    Art art_;
    frmGedenkbuch& haupt_;
    ui::Meldungen& meldungen_;
    std::optional<qint64> eintrag_;
    QString gewaehlterTag_ = QStringLiteral("0");
    bool jahrGezeigt_ = false; // the change dialog opened with a year in txtJahr

    QLineEdit* txtBezeichnung = nullptr;
    QList<QRadioButton*> optTag;
    QList<QRadioButton*> optMonat;
    QButtonGroup* tage_ = nullptr;
    QButtonGroup* monate_ = nullptr;
    QLineEdit* txtJahr = nullptr;
    QLabel* lblAnzeige = nullptr;
    QPlainTextEdit* txtBemerkungen = nullptr;
    ui::Bildschaltflaeche* cmdSpeichern = nullptr;
    ui::Bildschaltflaeche* cmdAbbrechen = nullptr;
};
