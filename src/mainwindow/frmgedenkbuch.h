#pragma once

#include "daywindow/tagesfenster.h"
#include "detailfelder.h"
#include "store/cursor.h"
#include "ui/dienste.h"
#include "variablen.h"

#include <QWidget>
#include <memory>

class QLabel;
namespace ui {
class Bildschaltflaeche;
class Listenfeld;
} // namespace ui

// The main window: the day window on the left, the full list, the detail panel and the commands
// on the right. It owns the open store and the one cursor over it, datGedenkbuch.
class frmGedenkbuch : public QWidget {
    Q_OBJECT
public:
    // Takes over the store that the start-up window opened and loads the window.
    frmGedenkbuch(ui::Dienste& dienste, std::unique_ptr<store::Store> store, QWidget* parent = nullptr);
    ~frmGedenkbuch() override;

    // Rebuilds the full list and the day window from the store.
    void auffrischen();
    // The one cursor over the table; the record under it is the selected entry.
    store::Cursor& datGedenkbuch() { return datGedenkbuch_; }
    // Selects the full-list line of an entry, which shows the entry in the detail panel; false
    // when no line stands for it.
    bool eintragWaehlen(qint64 id);
    // After a dialog stored an entry: refresh, show the entry and make the commands available.
    void gespeichert(qint64 id);
    // An entry chosen elsewhere (a day list, a search result): shown in the panel, its line
    // selected in the full list, the cursor on it and the commands available.
    void eintragZeigen(qint64 id);
    // No entry selected: no line of the full list, the panel at rest, the commands unavailable.
    void auswahlAufheben();

    Variablen& variablen() { return variablen_; }
    const Detailfelder& detail() const { return *detail_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void steuerelementeAnlegen();
    void ereignisseVerbinden();
    void Form_Load();

    QList<QWidget*> detailfeldflaechen() const;
    void lstGedenkbuch_Click(int row);
    void lstGedenkbuch_MouseDown();
    void cmdLoeschen_Click();
    void cmdAenderung_Click();
    void cmdEintragNeu_Click();
    void cmdSuchen_Click();
    void List_Click(int slot, int row);

    ui::Dienste& dienste_;
    Variablen variablen_;
    std::unique_ptr<store::Store> store_;
    store::Cursor datGedenkbuch_;

    std::unique_ptr<Tagesfenster> tagesfenster_;
    QLabel* Label3 = nullptr;
    ui::Listenfeld* lstGedenkbuch = nullptr;
    std::unique_ptr<Detailfelder> detail_;
    ui::Bildschaltflaeche* cmdEintragNeu = nullptr;
    ui::Bildschaltflaeche* cmdLoeschen = nullptr;
    ui::Bildschaltflaeche* cmdAenderung = nullptr;
    ui::Bildschaltflaeche* cmdSuchen = nullptr;
    QLabel* lblCopyrights = nullptr;
};
