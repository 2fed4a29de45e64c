// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fensterprobe.h"

#include <QApplication>
#include <QGroupBox>
#include <QRegularExpression>
#include <QTimer>

// The texts of list lines, as a list shows them.
static QStringList texte(const QList<core::Zeile>& zeilen)
{
    QStringList t;
    for (const core::Zeile& z : zeilen)
        t << z.text;
    return t;
}

bool Antwortbuch::frage(const QString& text, const QString& titel)
{
    gezeigt << QStringLiteral("?") + titel + QStringLiteral(": ") + text;
    if (antworten_.isEmpty())
        return false;
    const auto [ja, waehrend] = antworten_.takeFirst();
    if (waehrend)
        waehrend();
    return ja;
}

void Dialogregie::modalZeigen(QDialog& dialog)
{
    ++geoeffnet;
    const Handlung handlung = handlungen_.isEmpty() ? Handlung() : handlungen_.takeFirst();
    // The action runs in the dialog's own event loop, so that the dialog is modal meanwhile.
    QTimer::singleShot(0, &dialog, [&dialog, handlung, this] {
        if (handlung)
            handlung(dialog);
        if (dialog.isVisible())
            dialog.reject();
    });
    dialog.exec();
}

Fensterprobe::Fensterprobe(QDate heute, const Eintraege& eintraege, store::Store::Zugriff zugriff) : t(heute)
{
    ids = db.hinzufuegen(eintraege);
    // Opened by its bare name in the working directory, as the program opens it.
    fenster_ = std::make_unique<frmGedenkbuch>(t.dienste, store::Store::open(store::dateiname, zugriff));
}

QStringList bild(const frmGedenkbuch& fenster)
{
    const auto finden = [&fenster](const QString& name) { return fenster.findChild<QWidget*>(name); };
    const auto titel
        = [&](int k) { return static_cast<QGroupBox*>(finden(QStringLiteral("Frame%1").arg(k + 1)))->title(); };
    const auto tagesliste = [&](int k) -> const ui::Listenfeld& {
        return *static_cast<ui::Listenfeld*>(finden(QStringLiteral("List%1").arg(k)));
    };
    static const QRegularExpression anzahl(QStringLiteral(" \\((\\d+)\\)$"));
    QStringList zaehler, tage;
    for (int k = 0; k < 9; ++k) {
        const QRegularExpressionMatch m = anzahl.match(titel(k));
        zaehler << (m.hasMatch() ? m.captured(1) : QStringLiteral("-"));
        if (tagesliste(k).anzahl() > 0)
            tage << titel(k).section(u' ', 0, 0).remove(u':').remove(u',') + QStringLiteral(": ")
                    + texte(tagesliste(k).zeilen()).join(QStringLiteral(" / "));
    }
    QStringList bild{QStringLiteral("Tage: ")
                     + (zaehler.count(QStringLiteral("-")) == 9 ? QStringLiteral("-") : zaehler.join(u' '))};
    bild << tage;

    const auto& liste = *static_cast<ui::Listenfeld*>(finden(QStringLiteral("lstGedenkbuch")));
    const int oben = liste.isVisible() ? liste.indexAt(QPoint(1, 1)).row() : -1;
    QStringList zeilen;
    for (int i = 0; i < liste.anzahl(); ++i)
        zeilen << (i == oben && oben > 0 ? QStringLiteral("^") : QString())
                + (i == liste.gewaehlt() ? QStringLiteral("[%1]") : QStringLiteral("%1")).arg(liste.text(i));
    bild << QStringLiteral("Liste: ") + zeilen.join(QStringLiteral(" / "));

    QStringList texte;
    bool aktiv = true;
    for (const char* name : {"txtBezeichnung", "txtTag", "txtMonat", "txtJahr", "txtBemerkungen"}) {
        const QWidget* feld = finden(QLatin1String(name));
        texte << feld->property(qobject_cast<const QLineEdit*>(feld) ? "text" : "plainText").toString();
        aktiv = aktiv && feld->isEnabled();
    }
    bild << QStringLiteral("Angaben: ") + (aktiv ? QString() : QStringLiteral("aus:")) + texte.join(u'|');

    QStringList an;
    for (const char* name : {"cmdLoeschen", "cmdAenderung"})
        if (const QWidget* taste = finden(QLatin1String(name)); taste->isEnabled())
            an << static_cast<const QPushButton*>(taste)->text();
    bild << QStringLiteral("Befehle: ") + (an.isEmpty() ? QStringLiteral("-") : an.join(u' '));
    return bild;
}

void Fensterprobe::klicken(const char* taste)
{
    QTest::mouseClick(finden<QPushButton>(QLatin1String(taste)), Qt::LeftButton);
}

void Fensterprobe::mausInDieListe()
{
    // The list's own height: its viewport keeps a default size until the window is shown.
    QTest::mousePress(voll().viewport(), Qt::LeftButton, {}, QPoint(20, voll().height() - 10));
}

bool Fensterprobe::zeigen()
{
    fenster_->show();
    QApplication::setActiveWindow(fenster_.get());
    return QTest::qWaitForWindowActive(fenster_.get());
}

void Fensterprobe::mitDialog(const char* taste, Dialogregie::Handlung handlung)
{
    t.dialoge.dann(std::move(handlung));
    klicken(taste);
}

void Fensterprobe::mitEintragsdialog(const char* taste, std::function<void(const Eintragsprobe&)> handlung)
{
    mitDialog(taste, [handlung](QDialog& d) { handlung(Eintragsprobe{d}); });
}

void Eintragsprobe::ausfuellen(const QString& n, int t, int m, const QString& j) const
{
    name()->setText(n); // set, not typed: QTest types ASCII only
    if (t)
        klick(tag(t));
    if (m)
        klick(monat(m));
    QTest::keyClicks(jahr(), j);
}

ui::Listenfeld& suchergebnisse(QDialog& d)
{
    return *d.findChild<ui::Listenfeld*>(QStringLiteral("lstSuchergebnisse"));
}

QStringList suchlauf(QDialog& d, const QString& begriff)
{
    d.findChild<QLineEdit*>(QStringLiteral("txtSuche"))->setText(begriff);
    QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("cmdSuchStart")), Qt::LeftButton);
    return texte(suchergebnisse(d).zeilen());
}

void zeileAnklicken(ui::Listenfeld& liste, int row, Qt::MouseButton taste)
{
    QTest::mouseClick(liste.viewport(), taste, {}, liste.visualRect(liste.model()->index(row, 0)).center());
}
