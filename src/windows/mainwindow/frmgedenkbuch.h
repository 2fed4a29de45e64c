// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/eintragsbuch.h"
#include "windows/common/dienste.h"

#include <QWidget>
#include <memory>
#include <optional>

class Detailfelder;
class QDialog;
class QLabel;
class Tagesfenster;
namespace core {
class Buchmodell;
}
namespace store {
class Store;
}
namespace ui {
class Bildschaltflaeche;
class Listenfeld;
} // namespace ui

// The main window: the day window on the left, the full list, the detail panel and the commands
// on the right. It shows the book of a core::Buchmodell and follows what that tells: a new day,
// what another program writes to daten.mdb, and another file moved over daten.mdb, within a second
// or two; while a modal dialog or message box is open, it catches up once none is.
class frmGedenkbuch : public QWidget {
    Q_OBJECT
public:
    // Takes over the store that the program opened and loads the window.
    frmGedenkbuch(ui::Dienste& dienste, std::unique_ptr<store::Store> store, QWidget* parent = nullptr);
    ~frmGedenkbuch() override;

    // Rebuilds the full list and the day window from one walk over the store.
    void auffrischen();
    // Looks at the file and the day at once, as the book does every second and the window when
    // one of its dialogs closes.
    void dateiAnsehen();

signals:
    // The file that took the open one's place could not be opened; the user was told why. The
    // book is looked at no more, and the program ends.
    void buchVerloren();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void steuerelementeAnlegen();
    void Form_Load();

    // What the window shows (frmgedenkbuch_anzeige.cpp).
    // Selects the full-list line of an entry, which shows the entry in the panel; false when no
    // line stands for it.
    bool eintragWaehlen(qint64 id);
    // An entry chosen elsewhere (a day list, a search result): shown in the panel, its line
    // selected in the full list and the commands available.
    void eintragZeigen(qint64 id);
    // Shows an entry through its full-list line, or directly when it has none; false when it could
    // not be read, and the user was told why.
    bool eintragAnzeigen(qint64 id);
    bool eintragLesenUndZeigen(qint64 id);
    // No entry selected: no line of the full list, the panel at rest, the commands unavailable.
    void auswahlAufheben();
    // Whether "Löschen" and "Ändern" are available.
    void befehleFreigeben(bool frei);
    // The panel at rest, no entry shown.
    void panelInRuhe();
    // The entry of a chosen line could not be read: nothing stays shown or selected, the user is
    // told why, and the lists are refreshed when the entry is gone.
    void eintragNichtLesbar(const store::StoreError& fehler);

    // Catching up (frmgedenkbuch_nachholen.cpp). A new day, or another program's change, shows
    // what a start would show; an entry shown stays shown with its line selected and the commands
    // as they were, unless it is gone or its number names an entry of another name now.
    void nachholen();
    // Another file took the open one's place: opened as the start opens it, and shown as a start
    // shows it.
    void neueDatei();
    // Runs a modal dialog of the window; the window catches up when it closes.
    void dialogZeigen(QDialog& dialog);

    // What the user does (frmgedenkbuch_befehle.cpp).
    void ereignisseVerbinden();
    void lstGedenkbuch_Click(int row);
    void cmdLoeschen_Click();
    void cmdAenderung_Click();
    void cmdEintragNeu_Click();
    void cmdSuchen_Click();
    // After a dialog stored an entry: refresh, show the entry and make the commands available.
    void gespeichert(qint64 id);

    ui::Dienste& dienste_;
    core::Buchmodell* modell_;
    // The entry the panel shows, as it was read; the commands act on it and on nothing else.
    std::optional<core::Eintragsbuch::Gelesen> angezeigt_;

    Tagesfenster* tagesfenster_ = nullptr;
    QLabel* Label3 = nullptr;
    ui::Listenfeld* lstGedenkbuch = nullptr;
    Detailfelder* detail_ = nullptr;
    ui::Bildschaltflaeche* cmdEintragNeu = nullptr;
    ui::Bildschaltflaeche* cmdLoeschen = nullptr;
    ui::Bildschaltflaeche* cmdAenderung = nullptr;
    ui::Bildschaltflaeche* cmdSuchen = nullptr;
    QLabel* lblCopyrights = nullptr;
};
