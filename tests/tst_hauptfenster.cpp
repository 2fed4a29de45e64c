#include "fensterprobe.h"

#include "app/programm.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTest>


class TestHauptfenster : public QObject {
    Q_OBJECT
private slots:
    // Without daten.mdb the user sees only "Ladefehler"; the program ends and creates nothing.
    void ohneDatenbankLadefehlerUndEnde()
    {
        QTemporaryDir ordner;
        const QString vorher = QDir::currentPath();
        QDir::setCurrent(ordner.path());
        Testdienste t;
        const int status = gedenkbuchAusfuehren(t.dienste);
        QDir::setCurrent(vorher);
        QCOMPARE(status, 1);
        QCOMPARE(t.meldungen.gezeigt, QStringList({"Ladefehler: Die Datei daten.mdb konnte nicht gefunden werden. "
                                                   "Sie muss sich im Programmordner befinden."}));
        for (const QWidget* w : QApplication::topLevelWidgets())
            QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
        QVERIFY(QDir(ordner.path()).isEmpty());
    }

    // Loaded: the full list in calendar order, the counts, nothing selected, panel and commands at
    // rest, the version in the credit line.
    void nachDemLaden()
    {
        Fensterprobe p(QDate(2026, 6, 1), {{"Weihnachten", 24, 12}, {"Oma", 7, 3, 1941}, {"Kind", 2, 6, 2016}});
        QCOMPARE(p.bild(), QStringList({"Tage: 0 0 0 1 0 0 0 0 0", "Morgen: Kind (10.)",
                                        "Liste: 03-07 Oma (85.) / 06-02 Kind (10.) / 12-24 Weihnachten",
                                        "Angaben: aus:||||", "Befehle: -"}));
        QVERIFY(p.finden<QLabel>(QStringLiteral("lblCopyrights"))->text().endsWith(QStringLiteral(" - Version: 3.1")));
        QVERIFY(p.t.meldungen.gezeigt.isEmpty());
    }

    void jedeZeileZeigtIhrenEintrag_data()
    {
        QTest::addColumn<QString>("liste");
        QTest::addColumn<Eintraege>("eintraege");
        QTest::addColumn<QStringList>("angaben"); // after a click on each line of the list
        QTest::newRow("Namen als Anfang anderer") << "lstGedenkbuch"
            << Eintraege{{"Anna", 10, 6, 1980, "eins"}, {"Anna Maria", 10, 6, 1985, "zwei"}, {"Ann", 10, 6, std::nullopt, "drei"}}
            << QStringList{"Ann|10|6||drei", "Anna|10|6|1980|eins", "Anna Maria|10|6|1985|zwei"};
        QTest::newRow("gleiche Namen, andere Tage") << "lstGedenkbuch"
            << Eintraege{{"Anna", 3, 4, 1990, "zwei"}, {"Anna", 1, 2}} << QStringList{"Anna|1|2||", "Anna|3|4|1990|zwei"};
        QTest::newRow("gleiche Zeilen") << "lstGedenkbuch"
            << Eintraege{{"Anna", 5, 5, std::nullopt, "eins"}, {"Anna", 5, 5, std::nullopt, "zwei"}}
            << QStringList{"Anna|5|5||eins", "Anna|5|5||zwei"};
        QTest::newRow("Tagesliste, kürzerer Name zuerst") << "List2"
            << Eintraege{{"Anna", 10, 6, 1996, "Kuchen"}, {"Anna Berg", 10, 6}} << QStringList{"Anna|10|6|1996|Kuchen", "Anna Berg|10|6||"};
        QTest::newRow("Tagesliste, längerer Name zuerst") << "List2"
            << Eintraege{{"Anna Berg", 10, 6, 1996, "Kuchen"}, {"Anna", 10, 6}} << QStringList{"Anna Berg|10|6|1996|Kuchen", "Anna|10|6||"};
    }

    // A line of the full list or of a day list shows exactly its own entry (year and remarks of
    // the one before never stay) and selects its full-list line; no day list keeps a selection.
    void jedeZeileZeigtIhrenEintrag()
    {
        QFETCH(QString, liste);
        QFETCH(Eintraege, eintraege);
        QFETCH(QStringList, angaben);
        Fensterprobe p(QDate(2026, 6, 10), eintraege);
        QVERIFY(p.zeigen());
        ui::Listenfeld& gewaehlt = *p.finden<ui::Listenfeld>(liste);
        QStringList gezeigt;
        for (int row = 0; row < gewaehlt.anzahl(); ++row) {
            const qint64 id = gewaehlt.id(row);
            zeileAnklicken(gewaehlt, row);
            gezeigt << p.bild().filter(QStringLiteral("Angaben: ")).constFirst().mid(9);
            QCOMPARE(p.voll().id(p.voll().gewaehlt()), id);
            QCOMPARE(p.tagesliste(2).gewaehlt(), -1);
        }
        QCOMPARE(gezeigt, angaben);
        QCOMPARE(p.bild().constLast(), QStringLiteral("Befehle: Löschen Ändern"));
    }

    // Keys select without making the commands available; a key typed into the year leads on to
    // "Ändern" once that is available.
    void tastatur()
    {
        Fensterprobe p(QDate(2026, 6, 10), {{"Anna", 1, 1}, {"Bert", 2, 2, 1990}});
        QVERIFY(p.zeigen());
        p.voll().setFocus();
        QTest::keyClick(&p.voll(), Qt::Key_Down);
        QTest::keyClick(&p.voll(), Qt::Key_Down);
        QCOMPARE(p.bild().mid(2), QStringList({"Angaben: Bert|2|2|1990|", "Befehle: -"}));
        p.mausInDieListe();
        auto* jahr = p.finden<QLineEdit>(QStringLiteral("txtJahr"));
        jahr->setFocus();
        QTest::keyClick(jahr, Qt::Key_5);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdAenderung"));
    }

    // Any mouse button anywhere in the list makes the commands available; with no entry shown
    // they do nothing.
    void befehleOhneAngezeigtenEintrag()
    {
        for (Qt::MouseButton maustaste : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
            Fensterprobe p(QDate(2026, 6, 10), {{"Anna", 1, 1}, {"Bert", 20, 6}});
            QTest::mousePress(p.voll().viewport(), maustaste, {}, QPoint(20, p.voll().height() - 10));
            p.klicken("cmdLoeschen");
            p.klicken("cmdAenderung");
            QCOMPARE(p.bild().mid(2), QStringList({"Angaben: aus:||||", "Befehle: Löschen Ändern"}));
            QCOMPARE(p.t.meldungen.gezeigt.size() + p.t.dialoge.geoeffnet + p.db.saetze().size(), 2);
        }
    }

    // "Nein" changes nothing; "Ja" removes exactly the shown entry everywhere.
    void loeschen()
    {
        Fensterprobe p(QDate(2026, 6, 10), {{"Anna", 10, 6, 1990}, {"Anna Berg", 10, 6}, {"Bert", 2, 2}});
        QVERIFY(p.zeigen());
        zeileAnklicken(p.voll(), 1);
        const QStringList vorher = p.bild();
        p.klicken("cmdLoeschen");
        QCOMPARE(p.t.meldungen.gezeigt, QStringList({"?Sicherheitsfrage: Soll der Eintrag wirklich gelöscht werden?"}));
        QCOMPARE(p.bild(), vorher);
        QCOMPARE(vorher.at(3), QStringLiteral("Angaben: Anna|10|6|1990|"));

        p.t.meldungen.antworten(true);
        p.klicken("cmdLoeschen");
        QCOMPARE(p.bild(), QStringList({"Tage: 0 0 1 0 0 0 0 0 0", "Heute: Anna Berg", "Liste: 02-02 Bert / 06-10 Anna Berg",
                                        "Angaben: aus:||||", "Befehle: -"}));
        QCOMPARE(p.db.saetze(), QStringList({"Anna Berg|10|6|-|-", "Bert|2|2|-|-"}));
    }

    // No counts for an empty store; a refresh never appends a second count; it leaves no line
    // selected and the panel at rest, with the next anniversary after the window at the top. It
    // leaves the commands alone: without a shown entry they do nothing.
    void auffrischen()
    {
        Fensterprobe p(QDate(2026, 6, 10));
        QCOMPARE(p.bild().constFirst(), QStringLiteral("Tage: -"));
        Eintraege viele{{"Heute", 10, 6}};
        for (int monat = 1; monat <= 12; ++monat)
            viele.append({{QStringLiteral("Erster"), 1, monat}, {QStringLiteral("Mitte"), 15, monat},
                          {QStringLiteral("Ende"), 28, monat}});
        p.db.hinzufuegen(viele);
        QVERIFY(p.zeigen());
        zeileAnklicken(p.voll(), 0);
        p.fenster().auffrischen();
        p.fenster().auffrischen();
        QStringList liste;
        for (int monat = 1; monat <= 12; ++monat) {
            const QString vor = monat == 6 ? QStringLiteral("^") : QString(); // 28 June is after the window
            liste << QStringLiteral("%1-01 Erster").arg(monat, 2, 10, QChar(u'0'));
            if (monat == 6)
                liste << QStringLiteral("06-10 Heute");
            liste << QStringLiteral("%1-15 Mitte").arg(monat, 2, 10, QChar(u'0'))
                  << vor + QStringLiteral("%1-28 Ende").arg(monat, 2, 10, QChar(u'0'));
        }
        QCOMPARE(p.bild(), QStringList({"Tage: 0 0 1 0 0 0 0 1 0", "Heute: Heute", "Montag: Mitte", "Liste: " + liste.join(" / "),
                                        "Angaben: aus:||||", "Befehle: Löschen Ändern"}));
    }
};

QTEST_MAIN(TestHauptfenster)
#include "tst_hauptfenster.moc"
