#include "frmgedenkbuch.h"

#include "core/anzeigezeile.h"
#include "core/durchlauf.h"
#include "core/tage.h"
#include "core/uhr.h"
#include "detailfelder.h"
#include "windows/common/bilder.h"
#include "windows/common/einpassen.h"
#include "windows/common/listenfeld.h"
#include "windows/common/meldungen.h"
#include "windows/daywindow/tagesfenster.h"

#include <QPainter>

frmGedenkbuch::frmGedenkbuch(ui::Dienste& dienste, std::unique_ptr<store::Store> store, QWidget* parent)
    : QWidget(parent), dienste_(dienste), store_(std::move(store)),
      // The lists need no remarks; the panel reads them with its entry.
      datGedenkbuch_(*store_, store::Cursor::Umfang::OhneBemerkungen), buch_(*store_, datGedenkbuch_)
{
    steuerelementeAnlegen();
    ereignisseVerbinden();
    Form_Load();
}

frmGedenkbuch::~frmGedenkbuch() = default;

void frmGedenkbuch::Form_Load()
{
    // The program opened and checked the store before; the cursor stands over it.
    auffrischen();
    ui::texteEinpassen(this);
}

void frmGedenkbuch::auffrischen()
{
    const QDate heute = dienste_.uhr.heute();
    tag_ = heute;
    // The old lines go first, so that the lists are never held twice.
    lstGedenkbuch->leeren();
    core::Eintragsbuch::Fenster fenster = buch_.fenster(heute);
    if (fenster.durchlauf.fehler)
        hinweis(QStringLiteral("Nicht alle Einträge konnten gelesen werden; die Listen zeigen nur die gelesenen.\n\n%1")
                    .arg(core::fehlertext(*fenster.durchlauf.fehler)),
                QStringLiteral("Einträge unvollständig"));
    lstGedenkbuch->hinzufuegen(std::move(fenster.voll));

    // The counts stand only behind captions of a walk that read the whole, non-empty store.
    const bool mitAnzahl = fenster.durchlauf.vollstaendig() && !fenster.durchlauf.leer;
    std::array<QString, core::tagesanzahl> titel;
    for (int k = 0; k < core::tagesanzahl; ++k) {
        titel[k] = core::tagesanzeige(k, heute);
        if (mitAnzahl)
            titel[k] = core::mitAnzahl(titel[k], fenster.tage[k].size());
    }
    tagesfenster_->zeigen(titel, std::move(fenster.tage));
    if (!mitAnzahl)
        return;

    // The next anniversary after the day window stands at the top of the full list, with no line
    // selected and the panel at rest.
    const int treffer = core::naechsterJahrestag(lstGedenkbuch->zeilen(), heute);
    if (treffer >= 0) {
        lstGedenkbuch->nachObenRollen(treffer);
        detail_->ruhezustand();
    }
    lstGedenkbuch->waehlen(-1);
}

void frmGedenkbuch::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    hauptfensterbildMalen(p, rect());
}
