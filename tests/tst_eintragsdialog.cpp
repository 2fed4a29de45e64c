#include "testhilfen.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using Eintraege = QList<Testeintrag>;

namespace {

// The controls of an open entry dialog, found by name as a user finds them by sight.
struct Dialog {
    QDialog& d;
    QLineEdit* name() const { return d.findChild<QLineEdit*>(QStringLiteral("txtBezeichnung")); }
    QLineEdit* jahr() const { return d.findChild<QLineEdit*>(QStringLiteral("txtJahr")); }
    QPlainTextEdit* bemerkungen() const { return d.findChild<QPlainTextEdit*>(QStringLiteral("txtBemerkungen")); }
    QRadioButton* tag(int t) const { return d.findChild<QRadioButton*>(QStringLiteral("optTag%1").arg(t - 1)); }
    QRadioButton* monat(int m) const { return d.findChild<QRadioButton*>(QStringLiteral("optMonat%1").arg(m - 1)); }
    QString anzeige() const { return d.findChild<QLabel*>(QStringLiteral("lblAnzeige"))->text(); }
    void speichern() const { QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("cmdSpeichern")), Qt::LeftButton); }
    void abbrechen() const { QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("cmdAbbrechen")), Qt::LeftButton); }
    void klick(QRadioButton* knopf) const { QTest::mouseClick(knopf, Qt::LeftButton, {}, QPoint(6, 8)); }
    void ausfuellen(const QString& n, int t, int m, const QString& j = {}) const
    {
        QTest::keyClicks(name(), n);
        if (t)
            klick(tag(t));
        if (m)
            klick(monat(m));
        QTest::keyClicks(jahr(), j);
    }
};

void aktivieren(QWidget& fenster)
{
    fenster.show();
    QApplication::setActiveWindow(&fenster);
    QVERIFY(QTest::qWaitForWindowActive(&fenster));
}

void neuerEintrag(Hauptfensterprobe& p, std::function<void(Dialog)> handlung)
{
    p.t.dialoge.dann([handlung](QDialog& d) { handlung(Dialog{d}); });
    QTest::mouseClick(p.finden<QPushButton>(QStringLiteral("cmdEintragNeu")), Qt::LeftButton);
}

// Shows the entry of a full-list line and opens the change dialog on it.
void eintragAendern(Hauptfensterprobe& p, int row, std::function<void(Dialog)> handlung)
{
    p.voll().waehlen(row);
    QTest::mousePress(p.voll().viewport(), Qt::LeftButton, {}, QPoint(20, 290));
    p.t.dialoge.dann([handlung](QDialog& d) { handlung(Dialog{d}); });
    QTest::mouseClick(p.finden<QPushButton>(QStringLiteral("cmdAenderung")), Qt::LeftButton);
}

struct Gespeichert {
    QVariant name, tag, monat, jahr, bemerkungen;
};

QList<Gespeichert> speicher(const Testdatenbank& db)
{
    auto s = db.oeffnen();
    store::Cursor c(*s);
    QList<Gespeichert> saetze;
    try {
        for (c.MoveFirst(); !c.Eof(); c.MoveNext())
            saetze.append({c.Field("Bezeichnung"), c.Field("tag"), c.Field("monat"), c.Field("jahr"), c.Field("Bemerkungen")});
    } catch (const store::StoreError&) {
    }
    return saetze;
}

} // namespace

class TestEintragsdialog : public QObject {
    Q_OBJECT
private slots:
    void datumsanzeigeBeimEintippen();
    void jahrVorTagUndMonat();
    void jahr_data();
    void jahr();
    void fokusNachTagUndMonat_data();
    void fokusNachTagUndMonat();
    void abgelehnt_data();
    void abgelehnt();
    void speichernZeigtDenNeuenEintrag();
    void abbrechenUndTastenAendernNichts();
    void aendernOeffnen_data();
    void aendernOeffnen();
    void aendern_data();
    void aendern();
    void aendernNurMitGueltigemDatum();
    void klickAufDetailfeldOeffnetAendern();
    void schreibgeschuetzt();
};

void TestEintragsdialog::datumsanzeigeBeimEintippen()
{
    Hauptfensterprobe p(QDate(2026, 6, 10));
    QStringList anzeigen;
    neuerEintrag(p, [&](Dialog d) {
        d.klick(d.tag(5));
        anzeigen << d.anzeige();
        d.klick(d.monat(3));
        anzeigen << d.anzeige();
        for (const char* ziffer : {"1", "9", "7", "0"}) {
            QTest::keyClicks(d.jahr(), QLatin1String(ziffer));
            anzeigen << d.anzeige();
        }
        QTest::keyClick(d.jahr(), Qt::Key_Backspace);
        anzeigen << d.anzeige();
        QTest::keyClicks(d.jahr(), QStringLiteral("0"));
        d.klick(d.tag(12));
        anzeigen << d.anzeige();
        d.abbrechen();
    });
    QCOMPARE(anzeigen, QStringList({"", "05.03.", "05.03.", "05.03.", "05.03.", "05.03.1970", "05.03.", "12.03.1970"}));
    QCOMPARE(p.t.dialoge.nichtGeschlossen, 0);
}

void TestEintragsdialog::jahrVorTagUndMonat()
{
    Hauptfensterprobe p(QDate(2026, 6, 10));
    QStringList anzeigen;
    neuerEintrag(p, [&](Dialog d) {
        QTest::keyClicks(d.jahr(), QStringLiteral("1970"));
        anzeigen << d.anzeige();
        d.klick(d.monat(11));
        anzeigen << d.anzeige();
        d.klick(d.tag(1));
        anzeigen << d.anzeige();
        d.abbrechen();
    });
    QCOMPARE(anzeigen, QStringList({"", "", "01.11.1970"}));
}

void TestEintragsdialog::jahr_data()
{
    QTest::addColumn<QString>("eingabe");
    QTest::addColumn<QString>("anzeige");
    QTest::addColumn<QVariant>("gespeichert");
    QTest::newRow("leer") << "" << "05.03." << QVariant();
    QTest::newRow("999") << "999" << "05.03." << QVariant();
    QTest::newRow("1000") << "1000" << "05.03." << QVariant();
    QTest::newRow("1001") << "1001" << "05.03.1001" << QVariant(qint64(1001));
    QTest::newRow("9999") << "9999" << "05.03.9999" << QVariant(qint64(9999));
    QTest::newRow("jenseits von 16 Bit") << "1e10" << "05.03." << QVariant();
    QTest::newRow("Exponent") << "2e3" << "05.03.2000" << QVariant(qint64(2000));
}

// New entries: the label and the stored record, with null year and remarks when none is given.
void TestEintragsdialog::jahr()
{
    QFETCH(QString, eingabe);
    QFETCH(QString, anzeige);
    QFETCH(QVariant, gespeichert);
    Hauptfensterprobe p(QDate(2026, 6, 10));
    QString gezeigt;
    neuerEintrag(p, [&](Dialog d) {
        d.ausfuellen(QStringLiteral("Oma"), 5, 3, eingabe);
        gezeigt = d.anzeige();
        d.speichern();
    });
    QCOMPARE(gezeigt, anzeige);
    const auto saetze = speicher(p.db);
    QCOMPARE(saetze.size(), 1);
    QCOMPARE(saetze[0].name.toString(), QStringLiteral("Oma"));
    QCOMPARE(saetze[0].tag.toInt(), 5);
    QCOMPARE(saetze[0].monat.toInt(), 3);
    QCOMPARE(saetze[0].jahr, gespeichert);
    QVERIFY(saetze[0].bemerkungen.isNull());
}

void TestEintragsdialog::fokusNachTagUndMonat_data()
{
    QTest::addColumn<bool>("neu");
    QTest::newRow("neuer Eintrag") << true;
    QTest::newRow("Eintrag ändern") << false;
}

void TestEintragsdialog::fokusNachTagUndMonat()
{
    QFETCH(bool, neu);
    Hauptfensterprobe p(QDate(2026, 6, 10), {{"Anna", 1, 1}});
    aktivieren(p.fenster());
    QList<bool> erwarteterFokus;
    auto handlung = [&](Dialog d) {
        aktivieren(d.d);
        // The new-entry dialog leads on to the year; the change dialog leaves the focus where the
        // click put it, on the button.
        d.name()->setFocus();
        d.klick(d.tag(9));
        erwarteterFokus << (QApplication::focusWidget() == (neu ? static_cast<QWidget*>(d.jahr()) : d.tag(9)));
        d.name()->setFocus();
        d.klick(d.monat(4));
        erwarteterFokus << (QApplication::focusWidget() == (neu ? static_cast<QWidget*>(d.jahr()) : d.monat(4)));
        d.abbrechen();
    };
    if (neu)
        neuerEintrag(p, handlung);
    else
        eintragAendern(p, 0, handlung);
    QCOMPARE(erwarteterFokus, QList<bool>({true, true}));
}

void TestEintragsdialog::abgelehnt_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("tag");
    QTest::addColumn<int>("monat");
    QTest::addColumn<QString>("titel"); // empty: saved
    const QString vergeben = QStringLiteral("Fehler");
    const QString unvollstaendig = QStringLiteral("Unvollständige Eingabe");
    const QString ungueltig = QStringLiteral("Ungültiges Datum");
    QTest::newRow("gleicher Name") << "Anna Maier" << 1 << 2 << vergeben;
    QTest::newRow("Anfang eines Namens") << "Anna" << 1 << 2 << "";
    QTest::newRow("andere Schreibung") << "anna maier" << 1 << 2 << "";
    QTest::newRow("ohne Namen") << "" << 1 << 2 << unvollstaendig;
    QTest::newRow("ohne Tag") << "Neu" << 0 << 2 << unvollstaendig;
    QTest::newRow("ohne Monat") << "Neu" << 1 << 0 << unvollstaendig;
    QTest::newRow("31. April") << "Neu" << 31 << 4 << ungueltig;
    QTest::newRow("30. Februar") << "Neu" << 30 << 2 << ungueltig;
    QTest::newRow("29. Februar") << "Neu" << 29 << 2 << "";
    QTest::newRow("31. Dezember") << "Neu" << 31 << 12 << "";
}

// A refused save writes nothing, keeps the input and the dialog open.
void TestEintragsdialog::abgelehnt()
{
    QFETCH(QString, name);
    QFETCH(int, tag);
    QFETCH(int, monat);
    QFETCH(QString, titel);
    Hauptfensterprobe p(QDate(2026, 6, 10), {{"Anna Maier", 15, 3, 1986}});
    bool offen = false;
    QString nameDanach;
    neuerEintrag(p, [&](Dialog d) {
        d.ausfuellen(name, tag, monat, QStringLiteral("1990"));
        d.speichern();
        offen = d.d.isVisible();
        nameDanach = d.name()->text();
        if (offen)
            d.abbrechen();
    });
    const bool abgelehnt = !titel.isEmpty();
    QCOMPARE(offen, abgelehnt);
    QCOMPARE(speicher(p.db).size(), abgelehnt ? 1 : 2);
    QCOMPARE(p.t.meldungen.gezeigt.size(), abgelehnt ? 1 : 0);
    if (abgelehnt) {
        QCOMPARE(p.t.meldungen.gezeigt[0].titel, titel);
        QCOMPARE(nameDanach, name);
    }
    if (titel == QLatin1String("Fehler"))
        QCOMPARE(p.t.meldungen.gezeigt[0].text, QStringLiteral("Ein Datensatz mit der gleichen Bezeichnung existiert schon!"));
    if (titel == QLatin1String("Unvollständige Eingabe"))
        QCOMPARE(p.t.meldungen.gezeigt[0].text,
                 QStringLiteral("Es müssen die Bezeichnung, der Tag und der Monat angegeben werden!"));
}

// The saved entry is shown and current, also when another entry of that day begins with its name.
void TestEintragsdialog::speichernZeigtDenNeuenEintrag()
{
    Hauptfensterprobe p(QDate(2026, 6, 10), {{"Anna Berg", 11, 6, 1990, "Nachbarin"}});
    neuerEintrag(p, [](Dialog d) {
        d.ausfuellen(QStringLiteral("Anna"), 11, 6);
        d.speichern();
    });
    QCOMPARE(zeilenVon(p.voll()), QStringList({"06-11 Anna", "06-11 Anna Berg (36.)"}));
    QCOMPARE(p.voll().gewaehlt(), 0);
    QCOMPARE(p.finden<QLineEdit>(QStringLiteral("txtBezeichnung"))->text(), QStringLiteral("Anna"));
    QVERIFY(p.finden<QPlainTextEdit>(QStringLiteral("txtBemerkungen"))->toPlainText().isEmpty());
    QCOMPARE(p.fenster().datGedenkbuch().Field("Bezeichnung").toString(), QStringLiteral("Anna"));
    QCOMPARE(p.zeilen(3), QStringList({"Anna Berg (36.)", "Anna"}));
    QCOMPARE(p.titel(3), QStringLiteral("Morgen: Donnerstag, 11.06.2026 (2)"));
    QVERIFY(p.finden<QPushButton>(QStringLiteral("cmdAenderung"))->isEnabled());
    QVERIFY(p.finden<QPushButton>(QStringLiteral("cmdLoeschen"))->isEnabled());
}

void TestEintragsdialog::abbrechenUndTastenAendernNichts()
{
    Hauptfensterprobe p(QDate(2026, 6, 10), {{"Anna", 11, 6}});
    const QStringList vorher = zeilenVon(p.voll());
    bool nachTastenOffen = false;
    neuerEintrag(p, [&](Dialog d) {
        d.ausfuellen(QStringLiteral("Bert"), 12, 6, QStringLiteral("1980"));
        QTest::keyClick(&d.d, Qt::Key_Return);
        QTest::keyClick(&d.d, Qt::Key_Escape);
        nachTastenOffen = d.d.isVisible();
        d.abbrechen();
    });
    QVERIFY(nachTastenOffen);
    QCOMPARE(p.t.dialoge.nichtGeschlossen, 0);
    QCOMPARE(speicher(p.db).size(), 1);
    QCOMPARE(zeilenVon(p.voll()), vorher);
    QCOMPARE(p.zeilen(4), QStringList());
}

void TestEintragsdialog::aendernOeffnen_data()
{
    QTest::addColumn<QVariant>("jahr");
    QTest::addColumn<QString>("feld");
    QTest::addColumn<QString>("anzeige");
    QTest::newRow("1985") << QVariant(1985) << "1985" << "07.12.1985";
    QTest::newRow("ohne Jahr") << QVariant() << "" << "07.12.";
    QTest::newRow("1000") << QVariant(1000) << "1000" << "07.12.";
    QTest::newRow("999") << QVariant(999) << "" << "07.12.";
}

// The dialog starts from the shown entry; saving without touching the year keeps it.
void TestEintragsdialog::aendernOeffnen()
{
    QFETCH(QVariant, jahr);
    QFETCH(QString, feld);
    QFETCH(QString, anzeige);
    Hauptfensterprobe p(QDate(2026, 6, 10));
    p.db.hinzufuegen({{"Opa", 7, 12, jahr.isNull() ? std::nullopt : std::optional<int>(jahr.toInt()), "Zigarren"}});
    p.fenster().auffrischen();
    bool tag7 = false, dezember = false;
    QString jahrFeld, gezeigt, bemerkungen;
    eintragAendern(p, 0, [&](Dialog d) {
        tag7 = d.tag(7)->isChecked();
        dezember = d.monat(12)->isChecked();
        jahrFeld = d.jahr()->text();
        gezeigt = d.anzeige();
        bemerkungen = d.bemerkungen()->toPlainText();
        d.speichern();
    });
    QVERIFY(tag7 && dezember);
    QCOMPARE(jahrFeld, feld);
    QCOMPARE(gezeigt, anzeige);
    QCOMPARE(bemerkungen, QStringLiteral("Zigarren"));
    QCOMPARE(speicher(p.db)[0].jahr.toInt(), jahr.toInt());
    QCOMPARE(speicher(p.db)[0].jahr.isNull(), jahr.isNull());
}

void TestEintragsdialog::aendern_data()
{
    QTest::addColumn<QString>("jahrEingabe"); // "-" leaves the field as it is
    QTest::addColumn<QString>("bemerkungen");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVariant>("jahr");
    QTest::addColumn<QVariant>("gespeicherteBemerkungen");
    QTest::newRow("ohne Änderung") << "-" << "alt" << "Opa" << QVariant(qint64(1985)) << QVariant("alt");
    QTest::newRow("Bemerkungen geleert") << "-" << "" << "Opa" << QVariant(qint64(1985)) << QVariant();
    QTest::newRow("Jahr geändert") << "1986" << "alt" << "Opa" << QVariant(qint64(1986)) << QVariant("alt");
    QTest::newRow("Jahr geleert") << "" << "alt" << "Opa" << QVariant() << QVariant("alt");
    QTest::newRow("kein Jahr getippt") << "98" << "alt" << "Opa" << QVariant(qint64(1985)) << QVariant("alt");
    QTest::newRow("Name eines anderen") << "-" << "alt" << "Oma" << QVariant(qint64(1985)) << QVariant("alt");
}

void TestEintragsdialog::aendern()
{
    QFETCH(QString, jahrEingabe);
    QFETCH(QString, bemerkungen);
    QFETCH(QString, name);
    QFETCH(QVariant, jahr);
    QFETCH(QVariant, gespeicherteBemerkungen);
    Hauptfensterprobe p(QDate(2026, 6, 10), {{"Oma", 1, 1}, {"Opa", 7, 12, 1985, "alt"}});
    eintragAendern(p, 1, [&](Dialog d) {
        if (jahrEingabe != QLatin1String("-"))
            d.jahr()->setText(jahrEingabe);
        d.bemerkungen()->setPlainText(bemerkungen);
        d.name()->setText(name);
        d.speichern();
    });
    QCOMPARE(p.t.meldungen.gezeigt.size(), 0);
    const auto saetze = speicher(p.db);
    QCOMPARE(saetze.size(), 2);
    QCOMPARE(saetze[1].name.toString(), name);
    QCOMPARE(saetze[1].jahr, jahr);
    QCOMPARE(saetze[1].bemerkungen, gespeicherteBemerkungen);
    QCOMPARE(p.fenster().datGedenkbuch().Bookmark(), p.ids[1]);
    QCOMPARE(p.voll().id(p.voll().gewaehlt()), p.ids[1]);
}

void TestEintragsdialog::aendernNurMitGueltigemDatum()
{
    Hauptfensterprobe p(QDate(2026, 6, 10), {{"Opa", 7, 12, 1985}});
    p.voll().waehlen(0);
    QTest::mousePress(p.voll().viewport(), Qt::LeftButton, {}, QPoint(20, 290));
    p.finden<QLineEdit>(QStringLiteral("txtMonat"))->setText(QStringLiteral("13"));
    QTest::mouseClick(p.finden<QPushButton>(QStringLiteral("cmdAenderung")), Qt::LeftButton);
    QCOMPARE(p.t.dialoge.geoeffnet, 0);
    QCOMPARE(p.t.meldungen.gezeigt.size(), 1);
    QCOMPARE(speicher(p.db)[0].monat.toInt(), 12);
}

void TestEintragsdialog::klickAufDetailfeldOeffnetAendern()
{
    Hauptfensterprobe p(QDate(2026, 6, 10), {{"Opa", 7, 12, 1985}});
    QTest::mouseClick(p.finden<QLineEdit>(QStringLiteral("txtTag")), Qt::LeftButton); // disabled at rest
    QCOMPARE(p.t.dialoge.geoeffnet, 0);
    p.voll().waehlen(0); // by keys: the buttons stay disabled, a click on a field still opens
    QString geoeffnet;
    p.t.dialoge.dann([&](QDialog& d) { geoeffnet = d.objectName(); });
    QTest::mouseClick(p.finden<QLineEdit>(QStringLiteral("txtTag")), Qt::LeftButton);
    QCOMPARE(geoeffnet, QStringLiteral("frmEintragAendern"));
}

void TestEintragsdialog::schreibgeschuetzt()
{
    Testdatenbank db;
    db.hinzufuegen({{"Anna", 1, 1}});
    const QByteArray vorher = dateiinhalt(db.pfad());
    auto store = db.oeffnen();
    store::execute(store->handle(), "PRAGMA query_only = ON");
    Testdienste t;
    frmGedenkbuch fenster(t.dienste, std::move(store));
    QString nameDanach;
    bool offen = false;
    t.dialoge.dann([&](QDialog& dialog) {
        Dialog d{dialog};
        d.ausfuellen(QStringLiteral("Bert"), 2, 2, QStringLiteral("1970"));
        d.speichern();
        offen = dialog.isVisible();
        nameDanach = d.name()->text();
        d.abbrechen();
    });
    QTest::mouseClick(fenster.findChild<QPushButton*>(QStringLiteral("cmdEintragNeu")), Qt::LeftButton);
    QVERIFY(offen);
    QCOMPARE(nameDanach, QStringLiteral("Bert"));
    QCOMPARE(t.meldungen.gezeigt.size(), 1);
    QCOMPARE(t.meldungen.gezeigt[0].titel, QStringLiteral("Fehler beim Speichern"));
    QVERIFY(t.meldungen.gezeigt[0].text.contains(QStringLiteral("schreibgeschützt")));
    QCOMPARE(dateiinhalt(db.pfad()), vorher);
}

QTEST_MAIN(TestEintragsdialog)
#include "tst_eintragsdialog.moc"
