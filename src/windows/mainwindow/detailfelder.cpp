// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "detailfelder.h"

#include "core/eintrag.h"
#include "core/zahlen.h"
#include "windows/common/aussehen.h"
#include "windows/common/bemerkungsfeld.h"
#include "windows/common/farben.h"
#include "windows/common/twips.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {

// A whole number within the range, typed as nothing else.
int ganzeZahl(const QString& text, int von, int bis)
{
    bool ok = false;
    const int zahl = text.trimmed().toInt(&ok);
    return ok && zahl >= von && zahl <= bis ? zahl : 0;
}

// The detail fields show the entry; they are grey and disabled until one is shown.
QLineEdit* textfeld(QWidget* rahmen, const char* name, const QString& zugriffsname, int laenge, QRect ort)
{
    QLineEdit* feld = ui::textfeld(rahmen, name, zugriffsname, laenge, ort);
    ui::feldhintergrund(feld, farben::detailfeld);
    feld->setEnabled(false);
    return feld;
}

} // namespace

Detailfelder::Detailfelder(QWidget* fenster) : QGroupBox(QStringLiteral("Angaben"), fenster)
{
    using ui::twips;
    setObjectName(QStringLiteral("Frame10"));
    setGeometry(twips(6120, 5040, 5295, 3135));
    ui::hintergrund(this, farben::rahmen);

    txtBezeichnung = textfeld(this, "txtBezeichnung", QStringLiteral("Bezeichnung"), core::bezeichnungImDialog,
                              twips(120, 240, 4935, 375));
    txtTag = textfeld(this, "txtTag", QStringLiteral("Tag"), 2, twips(120, 720, 375, 375));
    txtMonat = textfeld(this, "txtMonat", QStringLiteral("Monat"), 2, twips(600, 720, 375, 375));
    txtJahr = textfeld(this, "txtJahr", QStringLiteral("Jahr"), 4, twips(1080, 720, 615, 375));

    txtBemerkungen = new ui::Bemerkungsfeld(this);
    txtBemerkungen->setObjectName(QStringLiteral("txtBemerkungen"));
    txtBemerkungen->setAccessibleName(QStringLiteral("Bemerkungen"));
    txtBemerkungen->setGeometry(twips(120, 1200, 4935, 1815));
    txtBemerkungen->setFont(ui::msSansSerif());
    ui::feldhintergrund(txtBemerkungen, farben::detailfeld);
    txtBemerkungen->setEnabled(false);

    for (QWidget* feld : QList<QWidget*>{txtBezeichnung, txtTag, txtMonat, txtJahr, txtBemerkungen->viewport()})
        feld->installEventFilter(this);
}

void Detailfelder::tabfolge(QWidget* davor, QWidget* danach)
{
    ui::tabfolge({davor, txtBezeichnung, txtTag, txtMonat, txtJahr, txtBemerkungen, danach});
}

bool Detailfelder::eventFilter(QObject* objekt, QEvent* ereignis)
{
    // A press goes to the window alone; the field neither takes the focus nor moves its cursor.
    if (ereignis->type() == QEvent::MouseButtonPress) {
        emit feldAngeklickt();
        return true;
    }
    if (objekt == txtJahr && ereignis->type() == QEvent::KeyPress
        && !static_cast<QKeyEvent*>(ereignis)->text().isEmpty())
        emit jahrGetippt();
    return QGroupBox::eventFilter(objekt, ereignis);
}

void Detailfelder::ruhezustand()
{
    txtBezeichnung->setText({}); // clear() keeps an undo step per character
    txtTag->setText({});
    txtBemerkungen->setzen({});
    txtJahr->setText({});
    txtMonat->setText({});
    txtBezeichnung->setEnabled(false);
    txtTag->setEnabled(false);
    txtBemerkungen->setEnabled(false);
    txtJahr->setEnabled(false);
    txtMonat->setEnabled(false);
}

void Detailfelder::zeigen(const core::Eintrag& eintrag)
{
    txtBezeichnung->setEnabled(true);
    txtTag->setEnabled(true);
    txtMonat->setEnabled(true);
    txtJahr->setEnabled(true);
    txtBemerkungen->setEnabled(true);

    // A name longer than the box was made for (written by an import or another program) is shown
    // whole, and the box takes it whole, so no edit cuts what the user did not shorten.
    ui::zeichengrenze(txtBezeichnung,
                      int(qMax<qsizetype>(core::bezeichnungImDialog, core::zeichenzahl(eintrag.Bezeichnung))));
    txtBezeichnung->setText(eintrag.Bezeichnung);
    txtTag->setText(QString::number(eintrag.tag));
    txtMonat->setText(QString::number(eintrag.monat));
    txtJahr->setText(eintrag.jahr ? QString::number(*eintrag.jahr) : QString());
    txtBemerkungen->setzen(eintrag.Bemerkungen);
    gezeigt_ = texte();
}

QStringList Detailfelder::texte() const
{
    return {txtBezeichnung->text(), txtTag->text(), txtMonat->text(), txtJahr->text(), txtBemerkungen->text()};
}

Eintragsstart Detailfelder::startwerte() const
{
    // The fields may have been typed into: read as the user left them, each once.
    const QStringList jetzt = texte();
    Eintragsstart start;
    start.bezeichnung = jetzt[0];
    start.tag = ganzeZahl(jetzt[1], 1, 31);
    start.monat = ganzeZahl(jetzt[2], 1, 12);
    start.jahr = core::jahrImFeld(jetzt[3]);
    start.bemerkungen = jetzt[4];
    start.bezeichnungZeichen = ui::zeichengrenze(txtBezeichnung);
    for (int i = 0; i < jetzt.size(); ++i)
        start.getippt[std::size_t(i)] = i >= gezeigt_.size() || jetzt[i] != gezeigt_[i];
    return start;
}
