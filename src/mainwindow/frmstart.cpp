#include "frmstart.h"

#include "bilder.h"
#include "store/store.h"
#include "ui/meldungen.h"
#include "ui/twips.h"
#include "version.h"

#include <QLabel>
#include <QPainter>
#include <QScreen>

frmStart::frmStart(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmStart"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QStringLiteral("KOBALT-Merkwerk! wird gestartet")); // for task lists and screen readers
    setFixedSize(ui::twips(7200), ui::twips(3885));
    setWindowIcon(fenstersymbol());

    lblVersion = new QLabel(QStringLiteral("Versionsnummer"), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->setGeometry(ui::twips(4560, 3480, 2655, 255));
    QPalette palette = lblVersion->palette();
    palette.setColor(QPalette::WindowText, QColor(225, 236, 250));
    lblVersion->setPalette(palette);

    if (const QScreen* bildschirm = screen())
        move(bildschirm->availableGeometry().center() - rect().center());
}

std::unique_ptr<store::Store> frmStart::Form_Load(ui::Meldungen& meldungen)
{
    lblVersion->setText(versionstext);
    try {
        return store::Store::open(store::dateiname);
    } catch (const store::StoreError&) {
        meldungen.hinweis(QStringLiteral("Die Datei daten.mdb konnte nicht gefunden werden. "
                                         "Sie muss sich im Programmordner befinden."),
                          QStringLiteral("Ladefehler"));
        return nullptr;
    }
}

void frmStart::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    startbildMalen(p, rect());
}
