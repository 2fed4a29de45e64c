#include "testhilfen.h"

#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using Eintraege = QList<Testeintrag>;

namespace {

QPushButton* taste(const Hauptfensterprobe& p, const char* name)
{
    return p.finden<QPushButton>(QLatin1String(name));
}

// Opens the search dialog and runs `handlung` on it, as the user would.
void suchen(Hauptfensterprobe& p, std::function<void(QDialog&)> handlung)
{
    p.t.dialoge.dann(std::move(handlung));
    QTest::mouseClick(taste(p, "cmdSuchen"), Qt::LeftButton);
}

ui::Listenfeld* ergebnisse(QDialog& d)
{
    return d.findChild<ui::Listenfeld*>(QStringLiteral("lstSuchergebnisse"));
}

QStringList suchlauf(QDialog& d, const QString& begriff)
{
    auto* feld = d.findChild<QLineEdit*>(QStringLiteral("txtSuche"));
    feld->clear();
    QTest::keyClicks(feld, begriff);
    QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("cmdSuchStart")), Qt::LeftButton);
    return zeilenVon(*ergebnisse(d));
}

const Eintraege suchbestand = {{"Anna", 4, 5, 1990},   {"Ilse", 1, 3},        {"3. Hochzeitstag", 9, 3, 2023},
                               {"Maibaum", 30, 4},     {"Lena", 12, 3, 2000}, {"Ostern 1993", 5, 4}};

} // namespace

class TestSuche : public QObject {
    Q_OBJECT
private slots:
    void tageslisteZeigtIhrenEintrag_data();
    void tageslisteZeigtIhrenEintrag();
    void suchbegriff_data();
    void suchbegriff();
    void keinTrefferUndNeueSuche();
    void suchenNurMitBegriff();
    void uebernehmen();
    void abbrechen();
    void leererSpeicher();
};

void TestSuche::tageslisteZeigtIhrenEintrag_data()
{
    QTest::addColumn<Eintraege>("eintraege");
    QTest::newRow("kürzerer Name zuerst")
        << Eintraege{{"Anna", 10, 6, 1996, "Kuchen"}, {"Anna Berg", 10, 6}, {"Anna", 10, 6}};
    QTest::newRow("längerer Name zuerst")
        << Eintraege{{"Anna Berg", 10, 6, 1996, "Kuchen"}, {"Anna", 10, 6}, {"Anna", 11, 6}};
}

// Each day-list line shows its own entry, also among prefixed and equal names; afterwards no day
// list has a selection, the entry's full-list line is selected and the cursor stands on it.
void TestSuche::tageslisteZeigtIhrenEintrag()
{
    QFETCH(Eintraege, eintraege);
    Hauptfensterprobe p(QDate(2026, 6, 10), eintraege);
    p.fenster().show();
    QVERIFY(QTest::qWaitForWindowExposed(&p.fenster()));
    for (int slot : {2, 3}) {
        for (int row = 0; row < p.tagesliste(slot).anzahl(); ++row) {
            const qint64 id = p.tagesliste(slot).id(row);
            const Testeintrag& e = eintraege.at(p.ids.indexOf(id));
            zeileAnklicken(p.tagesliste(slot), row);

            QCOMPARE(p.finden<QLineEdit>(QStringLiteral("txtBezeichnung"))->text(), e.name);
            QCOMPARE(p.finden<QLineEdit>(QStringLiteral("txtJahr"))->text(), e.jahr ? QString::number(*e.jahr) : QString());
            QCOMPARE(p.finden<QPlainTextEdit>(QStringLiteral("txtBemerkungen"))->toPlainText(), e.bemerkungen.value_or(QString()));
            QCOMPARE(p.voll().id(p.voll().gewaehlt()), id);
            QCOMPARE(p.fenster().datGedenkbuch().Bookmark(), id);
            for (int k = 0; k < 9; ++k)
                QCOMPARE(p.tagesliste(k).gewaehlt(), -1);
            QVERIFY(taste(p, "cmdLoeschen")->isEnabled());
            QVERIFY(taste(p, "cmdAenderung")->isEnabled());
        }
    }
}

void TestSuche::suchbegriff_data()
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

void TestSuche::suchbegriff()
{
    QFETCH(QString, begriff);
    QFETCH(QStringList, treffer);
    Hauptfensterprobe p(QDate(2026, 6, 10), suchbestand);
    QStringList gefunden;
    suchen(p, [&](QDialog& d) {
        gefunden = suchlauf(d, begriff);
        QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("cmdAbbruch")), Qt::LeftButton);
    });
    QCOMPARE(gefunden, treffer);
}

void TestSuche::keinTrefferUndNeueSuche()
{
    Hauptfensterprobe p(QDate(2026, 6, 10), suchbestand);
    bool ohneTrefferAktiv = true, danachAktiv = false;
    suchen(p, [&](QDialog& d) {
        suchlauf(d, QStringLiteral("Zebra"));
        ohneTrefferAktiv = ergebnisse(d)->isEnabled();
        suchlauf(d, QStringLiteral("Lena"));
        danachAktiv = ergebnisse(d)->isEnabled();
        QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("cmdAbbruch")), Qt::LeftButton);
    });
    QVERIFY(!ohneTrefferAktiv);
    QVERIFY(danachAktiv);
}

void TestSuche::suchenNurMitBegriff()
{
    Hauptfensterprobe p(QDate(2026, 6, 10));
    QList<bool> aktiv;
    suchen(p, [&](QDialog& d) {
        auto* start = d.findChild<QPushButton*>(QStringLiteral("cmdSuchStart"));
        auto* feld = d.findChild<QLineEdit*>(QStringLiteral("txtSuche"));
        aktiv << start->isEnabled();
        QTest::keyClicks(feld, QStringLiteral("An"));
        aktiv << start->isEnabled();
        QTest::keyClick(feld, Qt::Key_Backspace);
        QTest::keyClick(feld, Qt::Key_Backspace);
        aktiv << start->isEnabled();
        QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("cmdAbbruch")), Qt::LeftButton);
    });
    QCOMPARE(aktiv, QList<bool>({false, true, false}));
}

// The chosen result is taken over: shown, selected in the full list, current, commands enabled.
void TestSuche::uebernehmen()
{
    Hauptfensterprobe p(QDate(2026, 6, 10), {{"Anna", 4, 5, 1990}, {"Anna", 4, 5, 1990, "zweite"}});
    bool geschlossen = false;
    suchen(p, [&](QDialog& d) {
        suchlauf(d, QStringLiteral("Anna"));
        zeileAnklicken(*ergebnisse(d), 1);
        geschlossen = !d.isVisible();
    });
    QVERIFY(geschlossen);
    QCOMPARE(p.finden<QPlainTextEdit>(QStringLiteral("txtBemerkungen"))->toPlainText(), QStringLiteral("zweite"));
    QCOMPARE(p.voll().id(p.voll().gewaehlt()), p.ids[1]);
    QCOMPARE(p.fenster().datGedenkbuch().Bookmark(), p.ids[1]);
    QVERIFY(taste(p, "cmdLoeschen")->isEnabled());
    QVERIFY(taste(p, "cmdAenderung")->isEnabled());
}

void TestSuche::abbrechen()
{
    Hauptfensterprobe p(QDate(2026, 6, 10), {{"Anna", 4, 5, 1990}});
    zeileAnklicken(p.voll(), 0);
    QVERIFY(taste(p, "cmdLoeschen")->isEnabled());
    suchen(p, [&](QDialog& d) {
        suchlauf(d, QStringLiteral("Anna"));
        QTest::keyClick(&d, Qt::Key_Escape);
    });
    QCOMPARE(p.t.dialoge.nichtGeschlossen, 0);
    QCOMPARE(p.voll().gewaehlt(), -1);
    for (const char* feld : {"txtBezeichnung", "txtTag", "txtMonat", "txtJahr"}) {
        QVERIFY(p.finden<QLineEdit>(QLatin1String(feld))->text().isEmpty());
        QVERIFY(!p.finden<QLineEdit>(QLatin1String(feld))->isEnabled());
    }
    QVERIFY(!taste(p, "cmdLoeschen")->isEnabled());
    QVERIFY(!taste(p, "cmdAenderung")->isEnabled());
}

void TestSuche::leererSpeicher()
{
    Hauptfensterprobe p(QDate(2026, 6, 10));
    QStringList gefunden;
    suchen(p, [&](QDialog& d) {
        gefunden = suchlauf(d, QStringLiteral("1"));
        QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("cmdAbbruch")), Qt::LeftButton);
    });
    QCOMPARE(gefunden, QStringList({"Keinen Eintrag gefunden"}));
}

QTEST_MAIN(TestSuche)
#include "tst_suche.moc"
