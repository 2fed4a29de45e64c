// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drucken.h"

#include "bestand.h"
#include "seiten.h"

#include "core/durchlauf.h"
#include "store/neuedatei.h"
#include "store/systemfehler.h"

#include <QBuffer>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPdfWriter>

namespace druck {

namespace {

// The font the package depends on (fonts-dejavu-core); the PDF carries the part of it it uses.
const QString schriftdatei = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
const QString fetteSchrift = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf");

QString anzahl(qsizetype n, const char* einzahl, const char* mehrzahl)
{
    return QStringLiteral("%1 %2").arg(n).arg(QString::fromUtf8(n == 1 ? einzahl : mehrzahl));
}

// What the print leaves out, as export says it; empty when nothing.
QString ausgelassen(const Bestand& b)
{
    QStringList teile;
    if (b.ohneRegel > 0)
        teile << anzahl(b.ohneRegel, "Datensatz", "Datensätze") + QStringLiteral(" ohne Bezeichnung, Tag oder Monat");
    if (b.unmoeglich > 0)
        teile << anzahl(b.unmoeglich, "Eintrag", "Einträge")
                + QStringLiteral(" mit einem Tag, den es im Monat nie gibt");
    return teile.isEmpty() ? QString() : QStringLiteral("Nicht gedruckt: %1.").arg(teile.join(QStringLiteral(" und ")));
}

} // namespace

Ergebnis drucken(const Auftrag& auftrag)
{
    Q_ASSERT(qobject_cast<QGuiApplication*>(QCoreApplication::instance()));
    const QString keineDatei = QStringLiteral("Es wurde keine Datei angelegt.");
    Ergebnis e;
    if (const auto vorhanden = store::schonVorhanden(auftrag.datei)) {
        e.meldungen << core::meldung(*vorhanden);
        return e;
    }
    for (const QString& datei : {schriftdatei, fetteSchrift}) {
        if (QFontDatabase::addApplicationFont(datei) < 0) {
            e.meldungen
                << QStringLiteral("Die Schrift %1 fehlt. Installieren Sie das Paket fonts-dejavu-core.").arg(datei)
                << keineDatei;
            return e;
        }
    }

    const bool jahr = auftrag.art == Art::Jahresuebersicht;
    Bestand bestand;
    try {
        bestand = lesen(auftrag.buch, jahr ? std::optional<int>(auftrag.jahr) : std::nullopt);
    } catch (const store::StoreError& fehler) {
        e.meldungen << core::fehlertext(fehler) << keineDatei;
        return e;
    }

    QBuffer inhalt;
    inhalt.open(QIODevice::WriteOnly);
    qsizetype gezeigt = 0;
    {
        QPdfWriter pdf(&inhalt);
        pdf.setCreator(QStringLiteral("gedenkbuch-daten"));
        pdf.setTitle(jahr ? QStringLiteral("Gedenkbuch %1").arg(auftrag.jahr)
                          : QStringLiteral("Gedenkbuch – immerwährender Kalender"));
        gezeigt = jahr ? jahresuebersicht(pdf, bestand, auftrag.jahr) : immerwaehrend(pdf, bestand);
    }
    try {
        store::NeueDatei ziel(auftrag.datei);
        ziel.schreiben(inhalt.data());
        ziel.fertigstellen();
    } catch (const store::StoreError& fehler) {
        e.meldungen << core::meldung(fehler) << keineDatei;
        return e;
    }

    e.geschrieben = true;
    const QString was
        = jahr ? QStringLiteral("Jahresübersicht %1").arg(auftrag.jahr) : QStringLiteral("Immerwährender Kalender");
    e.bericht = QStringLiteral("%1 mit %2 aus %3 in %4 geschrieben.")
                    .arg(was, anzahl(gezeigt, "Eintrag", "Einträgen"), auftrag.buch, auftrag.datei);
    if (const QString text = ausgelassen(bestand); !text.isEmpty())
        e.meldungen << text;
    return e;
}

namespace {

// Qt looks into the runtime folder while it starts; without XDG_RUNTIME_DIR (cron, a remote
// shell) it warns of it, which says nothing about printing.
QtMessageHandler weitergabe = nullptr;
void ohneLaufzeitordner(QtMsgType art, const QMessageLogContext& kontext, const QString& text)
{
    if (art != QtWarningMsg || !text.startsWith(QLatin1String("QStandardPaths: ")))
        weitergabe(art, kontext, text);
}

} // namespace

std::unique_ptr<QCoreApplication> druckanwendung(const char* programm)
{
    // The application keeps a reference to its arguments for as long as it lives.
    static int anzahl = 3;
    static char plattform[] = "-platform";
    static char offscreen[] = "offscreen";
    static char* argumente[] = {const_cast<char*>(programm), plattform, offscreen, nullptr};
    weitergabe = qInstallMessageHandler(ohneLaufzeitordner);
    auto anwendung = std::make_unique<QGuiApplication>(anzahl, argumente);
    qInstallMessageHandler(weitergabe);
    return anwendung;
}

} // namespace druck
