#include "testhilfen.h"

#include <QLineEdit>
#include <QTest>

using Eintraege = QList<Testeintrag>;

class TestHauptfenster : public QObject {
    Q_OBJECT
private slots:
    void jedeZeileZeigtIhrenEintrag_data()
    {
        QTest::addColumn<Eintraege>("eintraege");
        QTest::addColumn<QStringList>("angaben"); // the panel for each line of the full list, in order
        QTest::newRow("Namen als Anfang anderer, gleiches Datum")
            << Eintraege{{"Anna", 3, 5, 1980, "eins"}, {"Anna Maria", 3, 5, 1985, "zwei"}, {"Ann", 3, 5, std::nullopt, "drei"}}
            << QStringList{"Ann|3|5||drei", "Anna|3|5|1980|eins", "Anna Maria|3|5|1985|zwei"};
        QTest::newRow("längerer Name zuerst gespeichert")
            << Eintraege{{"Anna Maria", 3, 5, 1985, "zwei"}, {"Anna", 3, 5}}
            << QStringList{"Anna|3|5||", "Anna Maria|3|5|1985|zwei"};
        QTest::newRow("gleiche Namen, andere Tage")
            << Eintraege{{"Anna", 3, 4, 1990, "zwei"}, {"Anna", 1, 2}} << QStringList{"Anna|1|2||", "Anna|3|4|1990|zwei"};
        QTest::newRow("gleiche Zeilen")
            << Eintraege{{"Anna", 5, 5, std::nullopt, "eins"}, {"Anna", 5, 5, std::nullopt, "zwei"}}
            << QStringList{"Anna|5|5||eins", "Anna|5|5||zwei"};
    }

    // A selected line shows exactly its own entry (year and remarks of the one before never stay),
    // and the cursor stands on that same record.
    void jedeZeileZeigtIhrenEintrag()
    {
        QFETCH(Eintraege, eintraege);
        QFETCH(QStringList, angaben);
        Hauptfensterprobe p(QDate(2026, 6, 10), eintraege);
        p.zeigen();
        QStringList gezeigt;
        for (int row = 0; row < p.voll().anzahl(); ++row) {
            zeileAnklicken(p.voll(), row);
            gezeigt << p.angaben();
            QCOMPARE(p.fenster().datGedenkbuch().Bookmark(), p.voll().id(row));
        }
        QCOMPARE(gezeigt, angaben);
    }

    void tastaturWaehltOhneBefehle()
    {
        Hauptfensterprobe p(QDate(2026, 6, 10), {{"Anna", 1, 1}, {"Bert", 2, 2, 1990}});
        p.zeigen();
        p.voll().setFocus();
        QTest::keyClick(&p.voll(), Qt::Key_Down);
        QTest::keyClick(&p.voll(), Qt::Key_Down);
        QCOMPARE(p.angaben(), QStringLiteral("Bert|2|2|1990|"));
        QCOMPARE(p.befehle(), QString());

        // A key typed into the year leads on to the change button, once that is available.
        p.mausInDieListe();
        p.finden<QLineEdit>(QStringLiteral("txtJahr"))->setFocus();
        QTest::keyClick(p.finden<QLineEdit>(QStringLiteral("txtJahr")), Qt::Key_5);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdAenderung"));
    }

    // Any mouse button pressed anywhere in the list makes the commands available; with no entry
    // shown (after a refresh the cursor stands on one the user never saw) they do nothing.
    void befehleOhneAngezeigtenEintrag()
    {
        for (Qt::MouseButton maustaste : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
            Hauptfensterprobe p(QDate(2026, 6, 10), {{"Anna", 1, 1}, {"Bert", 20, 6}});
            QTest::mousePress(p.voll().viewport(), maustaste, {}, QPoint(20, p.voll().height() - 10));
            QCOMPARE(p.befehle(), QStringLiteral("Löschen Ändern"));
            p.klicken("cmdLoeschen");
            p.klicken("cmdAenderung");
            QCOMPARE(p.angaben(), QStringLiteral("aus:||||"));
            QVERIFY(p.t.meldungen.gezeigt.isEmpty());
            QCOMPARE(p.t.dialoge.geoeffnet, 0);
            QCOMPARE(p.db.saetze().size(), 2);
        }
    }

    // "Nein" leaves everything as it was; "Ja" removes exactly the shown entry from the store, the
    // full list and its day list, and brings panel and commands to rest.
    void loeschen()
    {
        Hauptfensterprobe p(QDate(2026, 6, 10), {{"Anna", 10, 6, 1990}, {"Anna Berg", 10, 6}, {"Bert", 2, 2}});
        p.zeigen();
        zeileAnklicken(p.voll(), 1); // "06-10 Anna (36.)"
        p.t.meldungen.antworten(false);
        p.klicken("cmdLoeschen");
        QCOMPARE(p.t.meldungen.gezeigt.size(), 1);
        QVERIFY(p.t.meldungen.gezeigt[0].frage); // Ja and Nein, not just OK
        QCOMPARE(p.t.meldungen.gezeigt[0].text, QStringLiteral("Soll der Eintrag wirklich gelöscht werden?"));
        QCOMPARE(p.t.meldungen.gezeigt[0].titel, QStringLiteral("Sicherheitsfrage"));
        QCOMPARE(p.db.saetze().size(), 3);
        QCOMPARE(p.voll().gewaehlt(), 1);
        QCOMPARE(p.angaben(), QStringLiteral("Anna|10|6|1990|"));
        QCOMPARE(p.befehle(), QStringLiteral("Löschen Ändern"));
        QCOMPARE(p.titel(2), QStringLiteral("Heute: Mittwoch, 10.06.2026 (2)"));

        p.t.meldungen.antworten(true);
        p.klicken("cmdLoeschen");
        QCOMPARE(p.db.saetze().size(), 2);
        QCOMPARE(zeilenVon(p.voll()), QStringList({"02-02 Bert", "06-10 Anna Berg"}));
        QCOMPARE(p.zeilen(2), QStringList({"Anna Berg"}));
        QCOMPARE(p.titel(2), QStringLiteral("Heute: Mittwoch, 10.06.2026 (1)"));
        QCOMPARE(p.angaben(), QStringLiteral("aus:||||"));
        QCOMPARE(p.befehle(), QString());
    }
};

QTEST_MAIN(TestHauptfenster)
#include "tst_hauptfenster.moc"
