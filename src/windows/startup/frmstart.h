#pragma once

#include <QWidget>
#include <memory>

class QLabel;
namespace store {
class Store;
}
namespace ui {
class Meldungen;
}

// The start-up window: no title bar, centred, with its picture and the version number. Its load
// checks that daten.mdb can be opened.
class frmStart : public QWidget {
public:
    explicit frmStart(QWidget* parent = nullptr);

    // Shows the version and opens daten.mdb in the working directory. On failure it tells the user
    // why under "Ladefehler" and gives nothing back; the program then ends.
    std::unique_ptr<store::Store> Form_Load(ui::Meldungen& meldungen);
    // Checks the opened file's structure; a damaged file, or one another program keeps locked, is
    // told under "Ladefehler" and gives false.
    bool dateiPruefen(store::Store& store, ui::Meldungen& meldungen);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* lblVersion;
};
