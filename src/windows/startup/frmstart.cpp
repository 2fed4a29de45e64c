#include "frmstart.h"

#include "core/durchlauf.h"
#include "core/programm.h"
#include "store/store.h"
#include "store/storeerror.h"
#include "windows/common/bilder.h"
#include "windows/common/einpassen.h"
#include "windows/common/farben.h"
#include "windows/common/meldungen.h"
#include "windows/common/twips.h"

#include <QLabel>
#include <QPainter>
#include <QScreen>

frmStart::frmStart(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmStart"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(core::programmname + QStringLiteral(" wird gestartet")); // for task lists and screen readers
    setFixedSize(ui::twips(7200), ui::twips(3885));
    setWindowIcon(fenstersymbol());

    lblVersion = new QLabel(QStringLiteral("Versionsnummer"), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->setGeometry(ui::twips(4560, 3480, 2655, 255));
    QPalette palette = lblVersion->palette();
    palette.setColor(QPalette::WindowText, farben::startbildSchrift);
    lblVersion->setPalette(palette);

    if (const QScreen* bildschirm = screen())
        move(bildschirm->availableGeometry().center() - rect().center());
}

std::unique_ptr<store::Store> frmStart::Form_Load(ui::Meldungen& meldungen)
{
    lblVersion->setText(core::versionstext);
    ui::texteEinpassen(this);
    try {
        return store::Store::open(store::dateiname);
    } catch (const store::StoreError& fehler) {
        meldungen.hinweis(fehler.art() == store::StoreError::Art::DateiFehlt
                              ? QStringLiteral("Die Datei %1 konnte nicht gefunden werden. "
                                               "Sie muss sich im Programmordner befinden.").arg(store::dateiname)
                              : core::fehlertext(fehler),
                          QStringLiteral("Ladefehler"));
        return nullptr;
    }
}

bool frmStart::dateiPruefen(store::Store& store, ui::Meldungen& meldungen)
{
    try {
        if (store.pruefen().isEmpty())
            return true;
        meldungen.hinweis(core::fehlertext(store::StoreError::dateiBeschaedigt(store.pfad())), QStringLiteral("Ladefehler"));
    } catch (const store::StoreError& fehler) {
        meldungen.hinweis(core::fehlertext(fehler), QStringLiteral("Ladefehler"));
    }
    return false;
}

void frmStart::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    startbildMalen(p, rect());
}
