#include "testhilfen.h"

#include "mainwindow/frmgedenkbuch.h"
#include "mainwindow/programm.h"
#include "ui/listenfeld.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

QWidget* sichtbaresFenster(const QString& name)
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == name && w->isVisible())
            return w;
    }
    return nullptr;
}

QRect pixel(int links, int oben, int breite, int hoehe)
{
    return {(links + 7) / 15, (oben + 7) / 15, (breite + 7) / 15, (hoehe + 7) / 15};
}

} // namespace

class TestStart : public QObject {
    Q_OBJECT
private slots:
    void ohneDatenbankLadefehlerUndEnde();
    void startfensterDannHauptfenster();
    void hauptfensterNachDemLaden_data();
    void hauptfensterNachDemLaden();
    void hauptfensterMitEintraegen();
    void rahmenUndSchriften();
};

void TestStart::ohneDatenbankLadefehlerUndEnde()
{
    QTemporaryDir ordner;
    const QString vorher = QDir::currentPath();
    QDir::setCurrent(ordner.path());
    Testdienste t;

    const int status = gedenkbuchAusfuehren(t.dienste);

    QDir::setCurrent(vorher);
    QCOMPARE(status, 1);
    QCOMPARE(t.meldungen.gezeigt.size(), 1);
    QCOMPARE(t.meldungen.gezeigt[0].frage, false);
    QCOMPARE(t.meldungen.gezeigt[0].text,
             QStringLiteral("Die Datei daten.mdb konnte nicht gefunden werden. Sie muss sich im Programmordner befinden."));
    QCOMPARE(t.meldungen.gezeigt[0].titel, QStringLiteral("Ladefehler"));
    QVERIFY(!sichtbaresFenster(QStringLiteral("frmStart")));
    QVERIFY(!sichtbaresFenster(QStringLiteral("frmGedenkbuch")));
    QVERIFY(QDir(ordner.path()).isEmpty());
}

// The start-up window stands for 2000 ms, then the main window takes over; closing it ends the
// program with status 0.
void TestStart::startfensterDannHauptfenster()
{
    Testdatenbank db;
    db.hinzufuegen({{"Anna", 2, 1, 1990}});
    Testdienste t;
    QElapsedTimer uhr;
    bool startSichtbar = false;
    bool hauptNochNicht = false;
    qint64 hauptNachMs = -1;
    bool startWeg = false;

    QTimer::singleShot(500, [&] {
        startSichtbar = sichtbaresFenster(QStringLiteral("frmStart")) != nullptr;
        hauptNochNicht = sichtbaresFenster(QStringLiteral("frmGedenkbuch")) == nullptr;
    });
    QTimer pruefen;
    QObject::connect(&pruefen, &QTimer::timeout, [&] {
        if (QWidget* haupt = sichtbaresFenster(QStringLiteral("frmGedenkbuch"))) {
            pruefen.stop();
            hauptNachMs = uhr.elapsed();
            startWeg = sichtbaresFenster(QStringLiteral("frmStart")) == nullptr;
            haupt->close();
        }
    });
    pruefen.start(20);
    uhr.start();

    const int status = gedenkbuchAusfuehren(t.dienste);

    QCOMPARE(status, 0);
    QVERIFY(startSichtbar);
    QVERIFY(hauptNochNicht);
    QVERIFY2(hauptNachMs >= 1900 && hauptNachMs < 4000, qPrintable(QString::number(hauptNachMs)));
    QVERIFY(startWeg);
    QVERIFY(t.meldungen.gezeigt.isEmpty());
}

void TestStart::hauptfensterNachDemLaden_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("ort");
    QTest::addColumn<bool>("aktiv");
    QTest::addColumn<QString>("zugriffsname");
    QTest::newRow("lstGedenkbuch") << "lstGedenkbuch" << pixel(6120, 360, 5295, 4620) << true << "Alle Einträge";
    QTest::newRow("txtBezeichnung") << "txtBezeichnung" << pixel(120, 240, 4935, 375) << false << "Bezeichnung";
    QTest::newRow("txtTag") << "txtTag" << pixel(120, 720, 375, 375) << false << "Tag";
    QTest::newRow("txtMonat") << "txtMonat" << pixel(600, 720, 375, 375) << false << "Monat";
    QTest::newRow("txtJahr") << "txtJahr" << pixel(1080, 720, 615, 375) << false << "Jahr";
    QTest::newRow("txtBemerkungen") << "txtBemerkungen" << pixel(120, 1200, 4935, 1815) << false << "Bemerkungen";
    QTest::newRow("cmdEintragNeu") << "cmdEintragNeu" << pixel(6120, 8280, 1380, 495) << true << "neuer Eintrag";
    QTest::newRow("cmdLoeschen") << "cmdLoeschen" << pixel(7560, 8280, 1250, 495) << false << "Löschen";
    QTest::newRow("cmdAenderung") << "cmdAenderung" << pixel(8875, 8280, 1250, 495) << false << "Ändern";
    QTest::newRow("cmdSuchen") << "cmdSuchen" << pixel(10200, 8280, 1250, 495) << true << "Suchen";
    QTest::newRow("Frame10") << "Frame10" << pixel(6120, 5040, 5295, 3135) << true << "";
    QTest::newRow("lblCopyrights") << "lblCopyrights" << pixel(480, 8880, 9975, 255) << true << "";
    QTest::newRow("Label3") << "Label3" << pixel(6120, 120, 3975, 255) << true << "";
}

void TestStart::hauptfensterNachDemLaden()
{
    QFETCH(QString, name);
    QFETCH(QRect, ort);
    QFETCH(bool, aktiv);
    QFETCH(QString, zugriffsname);

    Testdatenbank db;
    Testdienste t;
    frmGedenkbuch fenster(t.dienste, db.oeffnen());
    QCOMPARE(fenster.windowTitle(), QStringLiteral("KOBALT-Merkwerk!"));
    QCOMPARE(fenster.size(), QSize(769, 610));

    auto* w = fenster.findChild<QWidget*>(name);
    QVERIFY(w);
    QCOMPARE(w->geometry(), ort);
    QCOMPARE(w->isEnabled(), aktiv);
    if (!zugriffsname.isEmpty())
        QCOMPARE(w->accessibleName(), zugriffsname);
    if (auto* feld = qobject_cast<QLineEdit*>(w))
        QVERIFY(feld->text().isEmpty());
    if (auto* feld = qobject_cast<QPlainTextEdit*>(w))
        QVERIFY(feld->toPlainText().isEmpty());
    QVERIFY(t.meldungen.gezeigt.isEmpty());
}

void TestStart::hauptfensterMitEintraegen()
{
    Testdatenbank db;
    db.hinzufuegen({{"Weihnachten", 24, 12}, {"Oma", 7, 3, 1941}});
    Testdienste t(QDate(2026, 6, 1));
    frmGedenkbuch fenster(t.dienste, db.oeffnen());

    auto* liste = fenster.findChild<ui::Listenfeld*>(QStringLiteral("lstGedenkbuch"));
    QCOMPARE(liste->anzahl(), 2);
    QCOMPARE(liste->text(0), QStringLiteral("03-07 Oma (85.)"));
    QCOMPARE(liste->text(1), QStringLiteral("12-24 Weihnachten"));
    QCOMPARE(liste->gewaehlt(), -1);
    auto* copyright = fenster.findChild<QLabel*>(QStringLiteral("lblCopyrights"));
    QVERIFY(copyright->text().endsWith(QStringLiteral(" - Version: 3.1")));
    QVERIFY(copyright->text().size() > QStringLiteral(" - Version: 3.1").size());
    QCOMPARE(fenster.findChild<QLabel*>(QStringLiteral("Label3"))->text(),
             QStringLiteral("Monat-Tag Bezeichnung (Alter)"));
    QCOMPARE(fenster.findChild<QGroupBox*>(QStringLiteral("Frame10"))->title(), QStringLiteral("Angaben"));
}

void TestStart::rahmenUndSchriften()
{
    Testdatenbank db;
    Testdienste t;
    frmGedenkbuch fenster(t.dienste, db.oeffnen());
    const QColor gelb(237, 237, 125);
    for (int k = 0; k < 9; ++k) {
        auto* rahmen = fenster.findChild<QGroupBox*>(QStringLiteral("Frame%1").arg(k + 1));
        QVERIFY(rahmen);
        QCOMPARE(rahmen->geometry(), pixel(480, 240 + 960 * k, 5535, 900));
        QCOMPARE(rahmen->palette().color(QPalette::Window), gelb);
        QVERIFY(rahmen->autoFillBackground());
        auto* liste = rahmen->findChild<ui::Listenfeld*>(QStringLiteral("List%1").arg(k));
        QVERIFY(liste);
        QCOMPARE(liste->geometry(), pixel(120, 240, 5295, 540));
        QCOMPARE(liste->font().bold(), k == 2);
        QCOMPARE(liste->font().pointSizeF(), 9.75);
        QCOMPARE(rahmen->font().bold(), k == 2);
        QCOMPARE(rahmen->palette().color(QPalette::WindowText) == QColor(0, 128, 0), k == 2);
    }
    QCOMPARE(fenster.findChild<QGroupBox*>(QStringLiteral("Frame10"))->palette().color(QPalette::Window), gelb);
    auto* feld = fenster.findChild<QLineEdit*>(QStringLiteral("txtBezeichnung"));
    QCOMPARE(feld->maxLength(), 50);
    QCOMPARE(feld->palette().color(QPalette::Base), QColor(224, 224, 224));
    QCOMPARE(fenster.findChild<QLineEdit*>(QStringLiteral("txtJahr"))->maxLength(), 4);
}

QTEST_MAIN(TestStart)
#include "tst_start.moc"
