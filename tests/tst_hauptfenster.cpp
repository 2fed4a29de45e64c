#include "testhilfen.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using Eintraege = QList<Testeintrag>;

namespace {

struct Panel {
    QString name, tag, monat, jahr, bemerkungen;
    bool aktiv;
};

Panel panel(const Hauptfensterprobe& p)
{
    auto text = [&](const char* name) { return p.finden<QLineEdit>(QLatin1String(name))->text(); };
    auto* bemerkungen = p.finden<QPlainTextEdit>(QStringLiteral("txtBemerkungen"));
    return {text("txtBezeichnung"), text("txtTag"), text("txtMonat"), text("txtJahr"), bemerkungen->toPlainText(),
            bemerkungen->isEnabled() && p.finden<QLineEdit>(QStringLiteral("txtBezeichnung"))->isEnabled()};
}

QPushButton* taste(const Hauptfensterprobe& p, const char* name)
{
    return p.finden<QPushButton>(QLatin1String(name));
}

void zeigen(Hauptfensterprobe& p)
{
    p.fenster().show();
    QApplication::setActiveWindow(&p.fenster());
    QVERIFY(QTest::qWaitForWindowActive(&p.fenster()));
}

int eintraegeImSpeicher(Hauptfensterprobe& p)
{
    auto s = p.db.oeffnen();
    store::Cursor cursor(*s);
    int anzahl = 0;
    try {
        for (cursor.MoveFirst(); !cursor.Eof(); cursor.MoveNext())
            ++anzahl;
    } catch (const store::StoreError&) {
    }
    return anzahl;
}

} // namespace

class TestHauptfenster : public QObject {
    Q_OBJECT
private slots:
    void jedeZeileZeigtIhrenEintrag_data();
    void jedeZeileZeigtIhrenEintrag();
    void ohneJahrUndBemerkungenNachEinemMitBeiden();
    void tastaturWaehltOhneBefehle();
    void jedeMaustasteGibtBefehleFrei();
    void loeschenNein();
    void loeschenJa();
    void befehleOhneAngezeigtenEintrag();
    void loeschenSchreibgeschuetzt();
    void tasteImJahrFuehrtZuAendern();
};

void TestHauptfenster::jedeZeileZeigtIhrenEintrag_data()
{
    QTest::addColumn<Eintraege>("eintraege");
    QTest::newRow("Namen als Anfang anderer, gleiches Datum")
        << Eintraege{{"Anna", 3, 5, 1980, "eins"}, {"Anna Maria", 3, 5, 1985, "zwei"}, {"Ann", 3, 5, std::nullopt, "drei"}};
    QTest::newRow("längerer Name zuerst gespeichert")
        << Eintraege{{"Anna Maria", 3, 5, 1985, "zwei"}, {"Anna", 3, 5, 1980, "eins"}};
    QTest::newRow("gleiche Namen, andere Tage") << Eintraege{{"Anna", 1, 2, std::nullopt, "eins"}, {"Anna", 3, 4, 1990, "zwei"}};
    QTest::newRow("gleiche Zeilen") << Eintraege{{"Anna", 5, 5, std::nullopt, "eins"}, {"Anna", 5, 5, std::nullopt, "zwei"}};
}

// A selected line shows exactly its own entry, and the cursor stands on that same record.
void TestHauptfenster::jedeZeileZeigtIhrenEintrag()
{
    QFETCH(Eintraege, eintraege);
    Hauptfensterprobe p(QDate(2026, 6, 10), eintraege);
    zeigen(p);
    QCOMPARE(p.voll().anzahl(), eintraege.size());
    for (int row = 0; row < p.voll().anzahl(); ++row) {
        zeileAnklicken(p.voll(), row);
        const qint64 id = p.voll().id(row);
        const Testeintrag& e = eintraege.at(p.ids.indexOf(id));
        const Panel gezeigt = panel(p);
        QCOMPARE(gezeigt.name, e.name);
        QCOMPARE(gezeigt.bemerkungen, *e.bemerkungen);
        QCOMPARE(gezeigt.tag, QString::number(e.tag));
        QCOMPARE(gezeigt.monat, QString::number(e.monat));
        QCOMPARE(gezeigt.jahr, e.jahr ? QString::number(*e.jahr) : QString());
        QVERIFY(gezeigt.aktiv);
        QCOMPARE(p.fenster().datGedenkbuch().Bookmark(), id);
    }
}

void TestHauptfenster::ohneJahrUndBemerkungenNachEinemMitBeiden()
{
    Hauptfensterprobe p(QDate(2026, 6, 10), {{"Mit", 1, 1, 1950, "Blumen\nKuchen"}, {"Ohne", 2, 1}});
    p.voll().waehlen(0);
    QCOMPARE(panel(p).bemerkungen, QStringLiteral("Blumen\nKuchen"));
    p.voll().waehlen(1);
    const Panel gezeigt = panel(p);
    QCOMPARE(gezeigt.name, QStringLiteral("Ohne"));
    QVERIFY(gezeigt.jahr.isEmpty());
    QVERIFY(gezeigt.bemerkungen.isEmpty());
}

void TestHauptfenster::tastaturWaehltOhneBefehle()
{
    Hauptfensterprobe p(QDate(2026, 6, 10), {{"Anna", 1, 1}, {"Bert", 2, 2}});
    zeigen(p);
    p.voll().setFocus();
    QTest::keyClick(&p.voll(), Qt::Key_Down);
    QTest::keyClick(&p.voll(), Qt::Key_Down);
    QCOMPARE(panel(p).name, QStringLiteral("Bert"));
    QVERIFY(panel(p).aktiv);
    QVERIFY(!taste(p, "cmdLoeschen")->isEnabled());
    QVERIFY(!taste(p, "cmdAenderung")->isEnabled());
}

void TestHauptfenster::jedeMaustasteGibtBefehleFrei()
{
    for (Qt::MouseButton maustaste : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        Hauptfensterprobe p(QDate(2026, 6, 10), {{"Anna", 1, 1}});
        zeigen(p);
        QTest::mousePress(p.voll().viewport(), maustaste, {}, QPoint(20, 200)); // below the only line
        QVERIFY(taste(p, "cmdLoeschen")->isEnabled());
        QVERIFY(taste(p, "cmdAenderung")->isEnabled());
        QVERIFY(panel(p).name.isEmpty());
    }
}

void TestHauptfenster::loeschenNein()
{
    Hauptfensterprobe p(QDate(2026, 6, 10), {{"Anna", 10, 6, 1990}, {"Bert", 2, 2}});
    zeigen(p);
    zeileAnklicken(p.voll(), 1);
    p.t.meldungen.antworten(false);
    QTest::mouseClick(taste(p, "cmdLoeschen"), Qt::LeftButton);

    QCOMPARE(p.t.meldungen.gezeigt.size(), 1);
    QCOMPARE(p.t.meldungen.gezeigt[0].text, QStringLiteral("Soll der Eintrag wirklich gelöscht werden?"));
    QCOMPARE(p.t.meldungen.gezeigt[0].titel, QStringLiteral("Sicherheitsfrage"));
    QVERIFY(p.t.meldungen.gezeigt[0].frage);
    QCOMPARE(eintraegeImSpeicher(p), 2);
    QCOMPARE(zeilenVon(p.voll()), QStringList({"02-02 Bert", "06-10 Anna (36.)"}));
    QCOMPARE(p.voll().gewaehlt(), 1);
    QCOMPARE(p.zeilen(2), QStringList({"Anna (36.)"}));
    QCOMPARE(panel(p).name, QStringLiteral("Anna"));
    QVERIFY(taste(p, "cmdLoeschen")->isEnabled());
    QVERIFY(taste(p, "cmdAenderung")->isEnabled());
}

void TestHauptfenster::loeschenJa()
{
    Hauptfensterprobe p(QDate(2026, 6, 10), {{"Anna", 10, 6}, {"Anna Berg", 10, 6}, {"Bert", 2, 2}});
    zeigen(p);
    QCOMPARE(p.titel(2), QStringLiteral("Heute: Mittwoch, 10.06.2026 (2)"));
    zeileAnklicken(p.voll(), 1); // "06-10 Anna"
    p.t.meldungen.antworten(true);
    QTest::mouseClick(taste(p, "cmdLoeschen"), Qt::LeftButton);

    QCOMPARE(eintraegeImSpeicher(p), 2);
    QCOMPARE(zeilenVon(p.voll()), QStringList({"02-02 Bert", "06-10 Anna Berg"}));
    QCOMPARE(p.zeilen(2), QStringList({"Anna Berg"}));
    QCOMPARE(p.titel(2), QStringLiteral("Heute: Mittwoch, 10.06.2026 (1)"));
    QCOMPARE(panel(p).name, QString());
    QVERIFY(!panel(p).aktiv);
    QVERIFY(!taste(p, "cmdLoeschen")->isEnabled());
    QVERIFY(!taste(p, "cmdAenderung")->isEnabled());
}

// After a refresh the cursor stands on some entry the user never saw; a press on an empty part
// of the list must not let the commands act on it.
void TestHauptfenster::befehleOhneAngezeigtenEintrag()
{
    Hauptfensterprobe p(QDate(2026, 6, 10), {{"Anna", 1, 1}, {"Bert", 20, 6}});
    zeigen(p);
    QTest::mousePress(p.voll().viewport(), Qt::LeftButton, {}, QPoint(20, 250));
    QTest::mouseClick(taste(p, "cmdLoeschen"), Qt::LeftButton);
    QTest::mouseClick(taste(p, "cmdAenderung"), Qt::LeftButton);
    QVERIFY(p.t.meldungen.gezeigt.isEmpty());
    QCOMPARE(p.t.dialoge.geoeffnet, 0);
    QCOMPARE(eintraegeImSpeicher(p), 2);
}

void TestHauptfenster::loeschenSchreibgeschuetzt()
{
    Testdatenbank db;
    db.hinzufuegen({{"Anna", 1, 1}});
    QFile::setPermissions(db.pfad(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    auto store = db.oeffnen();
    store::execute(store->handle(), "PRAGMA query_only = ON"); // read-only even for root, as in CI
    Testdienste t;
    frmGedenkbuch fenster(t.dienste, std::move(store));
    auto* liste = fenster.findChild<ui::Listenfeld*>(QStringLiteral("lstGedenkbuch"));
    liste->waehlen(0);
    QTest::mousePress(liste->viewport(), Qt::LeftButton, {}, QPoint(20, 200));
    t.meldungen.antworten(true);
    QTest::mouseClick(fenster.findChild<QPushButton*>(QStringLiteral("cmdLoeschen")), Qt::LeftButton);

    QCOMPARE(t.meldungen.gezeigt.size(), 2);
    QCOMPARE(t.meldungen.gezeigt[1].titel, QStringLiteral("Fehler beim Löschen"));
    QVERIFY2(t.meldungen.gezeigt[1].text.contains(QStringLiteral("schreibgeschützt")),
             qPrintable(t.meldungen.gezeigt[1].text));
    QCOMPARE(zeilenVon(*liste), QStringList({"01-01 Anna"}));
    QCOMPARE(fenster.findChild<QLineEdit*>(QStringLiteral("txtBezeichnung"))->text(), QStringLiteral("Anna"));
    auto s = store::Store::open(db.pfad());
    store::Cursor cursor(*s);
    cursor.MoveFirst();
    QCOMPARE(cursor.Field(QStringLiteral("Bezeichnung")).toString(), QStringLiteral("Anna"));
}

void TestHauptfenster::tasteImJahrFuehrtZuAendern()
{
    Hauptfensterprobe p(QDate(2026, 6, 10), {{"Anna", 1, 1, 1990}});
    zeigen(p);
    zeileAnklicken(p.voll(), 0);
    auto* jahr = p.finden<QLineEdit>(QStringLiteral("txtJahr"));
    jahr->setFocus();
    QTest::keyClick(jahr, Qt::Key_5);
    QCOMPARE(QApplication::focusWidget(), taste(p, "cmdAenderung"));
}

QTEST_MAIN(TestHauptfenster)
#include "tst_hauptfenster.moc"
