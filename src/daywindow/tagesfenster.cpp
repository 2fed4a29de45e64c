#include "tagesfenster.h"

#include "ui/aussehen.h"
#include "ui/listenfeld.h"
#include "ui/twips.h"

#include <QGroupBox>

namespace {

// Screen readers name the lists by their day; the frame captions carry the dates.
constexpr const char* listennamen[Tagesfenster::anzahl] = {
    "Vorgestern", "Gestern", "Heute", "Morgen", "Übermorgen",
    "In drei Tagen", "In vier Tagen", "In fünf Tagen", "In sechs Tagen"};

} // namespace

Tagesfenster::Tagesfenster(QWidget* fenster)
{
    for (int k = 0; k < anzahl; ++k) {
        auto* rahmen = new QGroupBox(fenster);
        rahmen->setObjectName(QStringLiteral("Frame%1").arg(k + 1));
        rahmen->setGeometry(ui::twips(480, 240 + 960 * k, 5535, 900));
        ui::hintergrund(rahmen, QColor(255, 255, 192));

        auto* liste = new ui::Listenfeld(false, rahmen);
        liste->setObjectName(QStringLiteral("List%1").arg(k));
        liste->setGeometry(ui::twips(120, 240, 5295, 540));
        liste->setFont(ui::msSansSerif(k == heute));
        liste->setAccessibleName(QString::fromUtf8(listennamen[k]));

        if (k == heute) {
            QFont schrift = ui::msSansSerif(true);
            rahmen->setFont(schrift);
            QPalette palette = rahmen->palette();
            palette.setColor(QPalette::WindowText, QColor(0, 128, 0));
            rahmen->setPalette(palette);
        }
        rahmen_[k] = rahmen;
        listen_[k] = liste;
    }
}
