#include "testhilfen.h"

#include "mainwindow/programm.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

namespace {

bool sichtbar(const char* name)
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String(name) && w->isVisible())
            return true;
    }
    return false;
}

} // namespace

class TestStart : public QObject {
    Q_OBJECT
private slots:
    void ohneDatenbankLadefehlerUndEnde()
    {
        QTemporaryDir ordner;
        const QString vorher = QDir::currentPath();
        QDir::setCurrent(ordner.path());
        Testdienste t;
        const int status = gedenkbuchAusfuehren(t.dienste);
        QDir::setCurrent(vorher);

        QCOMPARE(status, 1);
        QCOMPARE(t.meldungen.gezeigt.size(), 1);
        QCOMPARE(t.meldungen.gezeigt[0].text,
                 QStringLiteral("Die Datei daten.mdb konnte nicht gefunden werden. Sie muss sich im Programmordner befinden."));
        QCOMPARE(t.meldungen.gezeigt[0].titel, QStringLiteral("Ladefehler"));
        QVERIFY(!sichtbar("frmStart") && !sichtbar("frmGedenkbuch"));
        QVERIFY(QDir(ordner.path()).isEmpty());
    }

    void hauptfensterNachDemLaden()
    {
        Hauptfensterprobe p(QDate(2026, 6, 1), {{"Weihnachten", 24, 12}, {"Oma", 7, 3, 1941}});
        QCOMPARE(p.fenster().windowTitle(), QStringLiteral("KOBALT-Merkwerk!"));
        QVERIFY(p.finden<QLabel>(QStringLiteral("lblCopyrights"))->text().endsWith(QStringLiteral(" - Version: 3.1")));
        QCOMPARE(zeilenVon(p.voll()), QStringList({"03-07 Oma (85.)", "12-24 Weihnachten"}));
        QCOMPARE(p.voll().gewaehlt(), -1);
        QCOMPARE(p.angaben(), QStringLiteral("aus:||||"));
        QCOMPARE(p.befehle(), QString());
        QStringList zugriffsnamen;
        for (const char* name : {"cmdEintragNeu", "cmdLoeschen", "cmdAenderung", "cmdSuchen", "txtBezeichnung", "txtTag",
                                 "txtMonat", "txtJahr", "txtBemerkungen", "lstGedenkbuch"})
            zugriffsnamen << p.finden<QWidget>(QLatin1String(name))->accessibleName();
        QCOMPARE(zugriffsnamen, QStringList({"neuer Eintrag", "Löschen", "Ändern", "Suchen", "Bezeichnung", "Tag", "Monat",
                                             "Jahr", "Bemerkungen", "Alle Einträge"}));
        for (int k = 1; k <= 10; ++k)
            QCOMPARE(p.finden<QGroupBox>(QStringLiteral("Frame%1").arg(k))->palette().color(QPalette::Window), QColor(237, 237, 125));
        QCOMPARE(p.finden<QGroupBox>(QStringLiteral("Frame3"))->palette().color(QPalette::WindowText), QColor(0, 128, 0));
        QVERIFY(p.t.meldungen.gezeigt.isEmpty());
    }
};

QTEST_MAIN(TestStart)
#include "tst_start.moc"
