#include "testhilfen.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using Eintraege = QList<Testeintrag>;

namespace {

// Opens the search dialog and runs `handlung` on it, as the user would.
void suchen(Hauptfensterprobe& p, std::function<void(QDialog&)> handlung)
{
    p.t.dialoge.dann(std::move(handlung));
    p.klicken("cmdSuchen");
}

void abbrechen(QDialog& d)
{
    QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("cmdAbbruch")), Qt::LeftButton);
}

ui::Listenfeld& ergebnisse(QDialog& d)
{
    return *d.findChild<ui::Listenfeld*>(QStringLiteral("lstSuchergebnisse"));
}

const Eintraege suchbestand = {{"Anna", 4, 5, 1990}, {"Ilse", 1, 3},        {"3. Hochzeitstag", 9, 3, 2023},
                               {"Maibaum", 30, 4},   {"Lena", 12, 3, 2000}, {"Ostern 1993", 5, 4}};

} // namespace

class TestSuche : public QObject {
    Q_OBJECT
private slots:
    void tageslisteZeigtIhrenEintrag_data()
    {
        QTest::addColumn<Eintraege>("eintraege");
        QTest::addColumn<QStringList>("angaben"); // the panel after a click on each line of today, then tomorrow
        QTest::newRow("kürzerer Name zuerst")
            << Eintraege{{"Anna", 10, 6, 1996, "Kuchen"}, {"Anna Berg", 10, 6}, {"Anna", 11, 6}}
            << QStringList{"Anna|10|6|1996|Kuchen", "Anna Berg|10|6||", "Anna|11|6||"};
        QTest::newRow("längerer Name zuerst")
            << Eintraege{{"Anna Berg", 10, 6, 1996, "Kuchen"}, {"Anna", 10, 6}, {"Anna", 11, 6}}
            << QStringList{"Anna Berg|10|6|1996|Kuchen", "Anna|10|6||", "Anna|11|6||"};
    }

    // A day-list line shows its own entry, also among prefixed and equal names; afterwards no day
    // list keeps a selection, the entry's full-list line is selected and the cursor stands on it.
    void tageslisteZeigtIhrenEintrag()
    {
        QFETCH(Eintraege, eintraege);
        QFETCH(QStringList, angaben);
        Hauptfensterprobe p(QDate(2026, 6, 10), eintraege);
        p.zeigen();
        QStringList gezeigt;
        for (int slot : {2, 3}) {
            for (int row = 0; row < p.tagesliste(slot).anzahl(); ++row) {
                const qint64 id = p.tagesliste(slot).id(row);
                zeileAnklicken(p.tagesliste(slot), row);
                gezeigt << p.angaben();
                QCOMPARE(p.voll().id(p.voll().gewaehlt()), id);
                QCOMPARE(p.fenster().datGedenkbuch().Bookmark(), id);
                for (int k = 0; k < 9; ++k)
                    QCOMPARE(p.tagesliste(k).gewaehlt(), -1);
                QCOMPARE(p.befehle(), QStringLiteral("Löschen Ändern"));
            }
        }
        QCOMPARE(gezeigt, angaben);
    }

    void suchbegriff_data()
    {
        QTest::addColumn<QString>("begriff");
        QTest::addColumn<QStringList>("treffer");
        const QStringList maerz = {"03-01 Ilse", "03-09 3. Hochzeitstag (3.)", "03-12 Lena (26.)"};
        QTest::newRow("ann") << "ann" << QStringList{"Keinen Eintrag gefunden"};
        QTest::newRow("Ann") << "Ann" << QStringList{"05-04 Anna (36.)"};
        QTest::newRow("nna") << "nna" << QStringList{"05-04 Anna (36.)"};
        QTest::newRow("3 im Namen und als Monat")
            << "3" << QStringList{"03-01 Ilse", "03-09 3. Hochzeitstag (3.)", "03-09 3. Hochzeitstag (3.)",
                                  "03-12 Lena (26.)", "04-05 Ostern 1993"};
        QTest::newRow("03") << "03" << maerz;
        QTest::newRow("3a") << "3a" << maerz;
        QTest::newRow("Blank und 3") << " 3" << maerz;
        QTest::newRow("Mai nur im Namen") << "Mai" << QStringList{"04-30 Maibaum"};
    }

    void suchbegriff()
    {
        QFETCH(QString, begriff);
        QFETCH(QStringList, treffer);
        Hauptfensterprobe p(QDate(2026, 6, 10), suchbestand);
        QStringList gefunden;
        suchen(p, [&](QDialog& d) {
            gefunden = suchlauf(d, begriff);
            abbrechen(d);
        });
        QCOMPARE(gefunden, treffer);
    }

    // "Suchen" follows the term; no hit (an empty store too) gives a disabled list, which the next
    // search enables again.
    void bedienungDesSuchfensters()
    {
        Hauptfensterprobe p(QDate(2026, 6, 10));
        QList<bool> zustaende;
        suchen(p, [&](QDialog& d) {
            auto* start = d.findChild<QPushButton*>(QStringLiteral("cmdSuchStart"));
            auto* feld = d.findChild<QLineEdit*>(QStringLiteral("txtSuche"));
            zustaende << start->isEnabled();
            QTest::keyClicks(feld, QStringLiteral("An"));
            zustaende << start->isEnabled();
            QTest::keyClick(feld, Qt::Key_Backspace);
            QTest::keyClick(feld, Qt::Key_Backspace);
            zustaende << start->isEnabled();
            zustaende << (suchlauf(d, QStringLiteral("1")) == QStringList{"Keinen Eintrag gefunden"});
            zustaende << ergebnisse(d).isEnabled();
            p.db.hinzufuegen({{"Lena", 12, 3}});
            zustaende << (suchlauf(d, QStringLiteral("Lena")) == QStringList{"03-12 Lena"});
            zustaende << ergebnisse(d).isEnabled();
            abbrechen(d);
        });
        QCOMPARE(zustaende, QList<bool>({false, true, false, true, false, true, true}));
    }

    // Cancel leaves no entry selected; a chosen result is taken over: shown, selected in the full
    // list, current, commands enabled.
    void abbrechenUndUebernehmen()
    {
        Hauptfensterprobe p(QDate(2026, 6, 10), {{"Anna", 4, 5, 1990}, {"Anna", 4, 5, 1990, "zweite"}});
        zeileAnklicken(p.voll(), 0);
        suchen(p, [&](QDialog& d) {
            suchlauf(d, QStringLiteral("Anna"));
            QTest::keyClick(&d, Qt::Key_Escape);
        });
        QCOMPARE(p.voll().gewaehlt(), -1);
        QCOMPARE(p.angaben(), QStringLiteral("aus:||||"));
        QCOMPARE(p.befehle(), QString());

        suchen(p, [&](QDialog& d) {
            suchlauf(d, QStringLiteral("Anna"));
            zeileAnklicken(ergebnisse(d), 1);
        });
        QCOMPARE(p.t.dialoge.nichtGeschlossen, 0);
        QCOMPARE(p.angaben(), QStringLiteral("Anna|4|5|1990|zweite"));
        QCOMPARE(p.voll().id(p.voll().gewaehlt()), p.ids[1]);
        QCOMPARE(p.fenster().datGedenkbuch().Bookmark(), p.ids[1]);
        QCOMPARE(p.befehle(), QStringLiteral("Löschen Ändern"));
    }
};

QTEST_MAIN(TestSuche)
#include "tst_suche.moc"
