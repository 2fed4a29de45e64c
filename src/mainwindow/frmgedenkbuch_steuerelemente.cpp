// The controls of the main window with their design values: places in twips, fonts, colours.
#include "frmgedenkbuch.h"

#include "bilder.h"
#include "ui/aussehen.h"
#include "ui/bildschaltflaeche.h"
#include "ui/listenfeld.h"
#include "ui/twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>

namespace {

const QColor feldgrau(224, 224, 224);
const QColor tastengelb(250, 220, 40);

QLineEdit* textfeld(QWidget* rahmen, const char* name, const QString& zugriffsname, int laenge, QRect ort)
{
    auto* feld = new QLineEdit(rahmen);
    feld->setObjectName(QLatin1String(name));
    feld->setAccessibleName(zugriffsname);
    feld->setMaxLength(laenge);
    feld->setGeometry(ort);
    feld->setFont(ui::msSansSerif());
    ui::feldhintergrund(feld, feldgrau);
    feld->setEnabled(false);
    return feld;
}

ui::Bildschaltflaeche* schaltflaeche(QWidget* fenster, const char* name, const QString& text, QRect ort, bool aktiv)
{
    auto* taste = new ui::Bildschaltflaeche(text, tastengelb, fenster);
    taste->setObjectName(QLatin1String(name));
    taste->setGeometry(ort);
    taste->setEnabled(aktiv);
    return taste;
}

} // namespace

void frmGedenkbuch::steuerelementeAnlegen()
{
    using ui::twips;
    setObjectName(QStringLiteral("frmGedenkbuch"));
    setWindowTitle(QStringLiteral("KOBALT-Merkwerk!"));
    setWindowIcon(fenstersymbol());
    setFixedSize(twips(11535), twips(9150));

    tagesfenster_ = std::make_unique<Tagesfenster>(this);

    Label3 = new QLabel(QStringLiteral("Monat-Tag Bezeichnung (Alter)"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(twips(6120, 120, 3975, 255));

    lstGedenkbuch = new ui::Listenfeld(true, this);
    lstGedenkbuch->setObjectName(QStringLiteral("lstGedenkbuch"));
    lstGedenkbuch->setAccessibleName(QStringLiteral("Alle Einträge"));
    lstGedenkbuch->setGeometry(twips(6120, 360, 5295, 4620));
    lstGedenkbuch->setFont(ui::msSansSerif());
    Label3->setBuddy(lstGedenkbuch);

    Frame10 = new QGroupBox(QStringLiteral("Angaben"), this);
    Frame10->setObjectName(QStringLiteral("Frame10"));
    Frame10->setGeometry(twips(6120, 5040, 5295, 3135));
    ui::hintergrund(Frame10, QColor(255, 255, 192));

    txtBezeichnung = textfeld(Frame10, "txtBezeichnung", QStringLiteral("Bezeichnung"), 50, twips(120, 240, 4935, 375));
    txtTag = textfeld(Frame10, "txtTag", QStringLiteral("Tag"), 2, twips(120, 720, 375, 375));
    txtMonat = textfeld(Frame10, "txtMonat", QStringLiteral("Monat"), 2, twips(600, 720, 375, 375));
    txtJahr = textfeld(Frame10, "txtJahr", QStringLiteral("Jahr"), 4, twips(1080, 720, 615, 375));

    txtBemerkungen = new QPlainTextEdit(Frame10);
    txtBemerkungen->setObjectName(QStringLiteral("txtBemerkungen"));
    txtBemerkungen->setAccessibleName(QStringLiteral("Bemerkungen"));
    txtBemerkungen->setGeometry(twips(120, 1200, 4935, 1815));
    txtBemerkungen->setFont(ui::msSansSerif());
    txtBemerkungen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtBemerkungen->setTabChangesFocus(true);
    ui::feldhintergrund(txtBemerkungen, feldgrau);
    txtBemerkungen->setEnabled(false);

    cmdEintragNeu = schaltflaeche(this, "cmdEintragNeu", QStringLiteral("neuer Eintrag"), twips(6120, 8280, 1380, 495), true);
    cmdLoeschen = schaltflaeche(this, "cmdLoeschen", QStringLiteral("Löschen"), twips(7560, 8280, 1250, 495), false);
    cmdAenderung = schaltflaeche(this, "cmdAenderung", QStringLiteral("Ändern"), twips(8875, 8280, 1250, 495), false);
    cmdSuchen = schaltflaeche(this, "cmdSuchen", QStringLiteral("Suchen"), twips(10200, 8280, 1250, 495), true);

    lblCopyrights = new QLabel(QStringLiteral("Copyright © 2026 Das Gedenkbuch-Team"), this);
    lblCopyrights->setObjectName(QStringLiteral("lblCopyrights"));
    lblCopyrights->setGeometry(twips(480, 8880, 9975, 255));

    // Keys move from the day lists to the full list, the details and the commands.
    QWidget* vorher = tagesfenster_->liste(0);
    for (QWidget* naechstes : std::initializer_list<QWidget*>{
             tagesfenster_->liste(1), tagesfenster_->liste(2), tagesfenster_->liste(3), tagesfenster_->liste(4),
             tagesfenster_->liste(5), tagesfenster_->liste(6), tagesfenster_->liste(7), tagesfenster_->liste(8),
             lstGedenkbuch, txtBezeichnung, txtTag, txtMonat, txtJahr, txtBemerkungen,
             cmdEintragNeu, cmdLoeschen, cmdAenderung, cmdSuchen}) {
        setTabOrder(vorher, naechstes);
        vorher = naechstes;
    }

    if (const QScreen* bildschirm = screen())
        move(bildschirm->availableGeometry().center() - rect().center());
}
