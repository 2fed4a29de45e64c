#include "testhilfen.h"

#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

namespace {

using Handlung = std::function<void(Eintragsprobe)>;

void neuerEintrag(Hauptfensterprobe& p, Handlung handlung)
{
    p.t.dialoge.dann([handlung](QDialog& d) { handlung(Eintragsprobe{d}); });
    p.klicken("cmdEintragNeu");
}

// Shows the entry of a full-list line and opens the change dialog on it.
void eintragAendern(Hauptfensterprobe& p, int row, Handlung handlung)
{
    p.voll().waehlen(row);
    p.mausInDieListe();
    p.t.dialoge.dann([handlung](QDialog& d) { handlung(Eintragsprobe{d}); });
    p.klicken("cmdAenderung");
}

} // namespace

class TestEintragsdialog : public QObject {
    Q_OBJECT
private slots:
    // The label as day, month and year are chosen, typed and deleted; a year alone shows nothing.
    // A click on a day or a month leads on to the year. Cancel writes and refreshes nothing.
    void datumsanzeige()
    {
        Hauptfensterprobe p(QDate(2026, 6, 10));
        p.zeigen();
        QStringList anzeigen;
        bool fokusImJahr = false;
        neuerEintrag(p, [&](Eintragsprobe d) {
            QApplication::setActiveWindow(&d.d);
            d.klick(d.tag(5));
            fokusImJahr = QApplication::focusWidget() == d.jahr();
            d.name()->setFocus();
            anzeigen << d.anzeige();
            d.klick(d.monat(3));
            fokusImJahr = fokusImJahr && QApplication::focusWidget() == d.jahr();
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
            QTest::keyClicks(d.name(), QStringLiteral("Oma"));
            QTest::keyClick(&d.d, Qt::Key_Return); // neither key saves or closes
            QTest::keyClick(&d.d, Qt::Key_Escape);
            anzeigen << (d.d.isVisible() ? QStringLiteral("offen") : QStringLiteral("zu"));
            d.abbrechen();
        });
        neuerEintrag(p, [&](Eintragsprobe d) {
            QTest::keyClicks(d.jahr(), QStringLiteral("1970"));
            d.klick(d.monat(11));
            anzeigen << d.anzeige();
            d.klick(d.tag(1));
            anzeigen << d.anzeige();
            d.abbrechen();
        });
        QCOMPARE(anzeigen, QStringList({"", "05.03.", "05.03.", "05.03.", "05.03.", "05.03.1970", "05.03.", "12.03.1970",
                                        "offen", "", "01.11.1970"}));
        QVERIFY(fokusImJahr);
        QCOMPARE(p.t.dialoge.nichtGeschlossen, 0); // cancel closed both, and nothing was written
        QVERIFY(p.db.saetze().isEmpty());
        QCOMPARE(p.voll().anzahl(), 0);
    }

    void jahr_data()
    {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("anzeige");
        QTest::addColumn<QString>("gespeichert");
        QTest::newRow("leer") << "" << "05.03." << "-";
        QTest::newRow("999") << "999" << "05.03." << "-";
        QTest::newRow("1000") << "1000" << "05.03." << "-";
        QTest::newRow("1001") << "1001" << "05.03.1001" << "1001";
        QTest::newRow("jenseits von 16 Bit") << "1e10" << "05.03." << "-";
    }

    // A new entry as stored: without remarks and without a year outside 1001 to 9999, both null.
    void jahr()
    {
        QFETCH(QString, eingabe);
        QFETCH(QString, anzeige);
        QFETCH(QString, gespeichert);
        Hauptfensterprobe p(QDate(2026, 6, 10));
        QString gezeigt;
        neuerEintrag(p, [&](Eintragsprobe d) {
            d.ausfuellen(QStringLiteral("Oma"), 5, 3, eingabe);
            gezeigt = d.anzeige();
            d.speichern();
        });
        QCOMPARE(gezeigt, anzeige);
        QCOMPARE(p.db.saetze(), QList<QStringList>({{"Oma", "5", "3", gespeichert, "-"}}));
    }

    void abgelehnt_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("tag");
        QTest::addColumn<int>("monat");
        QTest::addColumn<QString>("meldung"); // empty: saved
        const QString unvollstaendig = QStringLiteral("Unvollständige Eingabe: Es müssen die Bezeichnung, der Tag und der Monat angegeben werden!");
        const QString ungueltig = QStringLiteral("Ungültiges Datum: Diesen Tag gibt es im gewählten Monat nicht!");
        QTest::newRow("gleicher Name") << "Anna Maier" << 1 << 2 << "Fehler: Ein Datensatz mit der gleichen Bezeichnung existiert schon!";
        QTest::newRow("Anfang eines Namens") << "Anna" << 1 << 2 << "";
        QTest::newRow("andere Schreibung") << "anna maier" << 1 << 2 << "";
        QTest::newRow("ohne Namen") << "" << 1 << 2 << unvollstaendig;
        QTest::newRow("ohne Tag") << "Neu" << 0 << 2 << unvollstaendig;
        QTest::newRow("ohne Monat") << "Neu" << 1 << 0 << unvollstaendig;
        QTest::newRow("30. Februar") << "Neu" << 30 << 2 << ungueltig;
        QTest::newRow("29. Februar") << "Neu" << 29 << 2 << "";
    }

    // A refused save writes nothing and keeps the dialog open with the input.
    void abgelehnt()
    {
        QFETCH(QString, name);
        QFETCH(int, tag);
        QFETCH(int, monat);
        QFETCH(QString, meldung);
        Hauptfensterprobe p(QDate(2026, 6, 10), {{"Anna Maier", 15, 3, 1986}});
        QString nameDanach;
        neuerEintrag(p, [&](Eintragsprobe d) {
            d.ausfuellen(name, tag, monat, QStringLiteral("1990"));
            d.speichern();
            nameDanach = d.d.isVisible() ? d.name()->text() : QStringLiteral("geschlossen");
        });
        QStringList gezeigt;
        for (const auto& m : p.t.meldungen.gezeigt)
            gezeigt << m.titel + QStringLiteral(": ") + m.text;
        QCOMPARE(gezeigt.join(u'\n'), meldung);
        QCOMPARE(nameDanach, meldung.isEmpty() ? QStringLiteral("geschlossen") : name);
        QCOMPARE(p.db.saetze().size(), meldung.isEmpty() ? 2 : 1);
    }

    // The saved entry is shown and current, also when another entry of that day begins with its name.
    void speichernZeigtDenNeuenEintrag()
    {
        Hauptfensterprobe p(QDate(2026, 6, 10), {{"Anna Berg", 11, 6, 1990, "Nachbarin"}});
        neuerEintrag(p, [](Eintragsprobe d) {
            d.ausfuellen(QStringLiteral("Anna"), 11, 6);
            d.speichern();
        });
        QCOMPARE(zeilenVon(p.voll()), QStringList({"06-11 Anna", "06-11 Anna Berg (36.)"}));
        QCOMPARE(p.voll().gewaehlt(), 0);
        QCOMPARE(p.angaben(), QStringLiteral("Anna|11|6||"));
        QCOMPARE(p.fenster().datGedenkbuch().Field("Bezeichnung").toString(), QStringLiteral("Anna"));
        QCOMPARE(p.zeilen(3), QStringList({"Anna Berg (36.)", "Anna"}));
        QCOMPARE(p.titel(3), QStringLiteral("Morgen: Donnerstag, 11.06.2026 (2)"));
        QCOMPARE(p.befehle(), QStringLiteral("Löschen Ändern"));
    }

    void aendernOeffnen_data()
    {
        QTest::addColumn<int>("jahr"); // 0: none
        QTest::addColumn<QString>("dialog");
        QTest::newRow("1985") << 1985 << "7 Dezember 1985 07.12.1985 Zigarren";
        QTest::newRow("ohne Jahr") << 0 << "7 Dezember  07.12. Zigarren";
        QTest::newRow("1000") << 1000 << "7 Dezember 1000 07.12. Zigarren";
        QTest::newRow("999") << 999 << "7 Dezember  07.12. Zigarren";
    }

    // The dialog starts from the shown entry; saving without touching the year keeps it. A click
    // on a day leaves the focus where the click put it.
    void aendernOeffnen()
    {
        QFETCH(int, jahr);
        QFETCH(QString, dialog);
        Hauptfensterprobe p(QDate(2026, 6, 10), {{"Opa", 7, 12, jahr ? std::optional<int>(jahr) : std::nullopt, "Zigarren"}});
        p.zeigen();
        QString gesehen;
        bool fokusAmTag = false;
        eintragAendern(p, 0, [&](Eintragsprobe d) {
            QApplication::setActiveWindow(&d.d);
            d.klick(d.tag(7));
            fokusAmTag = QApplication::focusWidget() == d.tag(7);
            for (QRadioButton* knopf : d.d.findChildren<QRadioButton*>())
                if (knopf->isChecked())
                    gesehen += knopf->text() + u' ';
            gesehen += d.jahr()->text() + u' ' + d.anzeige() + u' ' + d.bemerkungen()->toPlainText();
            d.speichern();
        });
        QCOMPARE(gesehen, dialog);
        QVERIFY(fokusAmTag);
        QCOMPARE(p.db.saetze().at(0).at(3), jahr ? QString::number(jahr) : QStringLiteral("-"));
    }

    void aendern_data()
    {
        QTest::addColumn<QString>("jahr"); // "-": left as it is
        QTest::addColumn<QString>("bemerkungen");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("gespeichert");
        QTest::newRow("ohne Änderung") << "-" << "alt" << "Opa" << QStringList{"Opa", "7", "12", "1985", "alt"};
        QTest::newRow("Bemerkungen geleert") << "-" << "" << "Opa" << QStringList{"Opa", "7", "12", "1985", "-"};
        QTest::newRow("Jahr geändert") << "1986" << "alt" << "Opa" << QStringList{"Opa", "7", "12", "1986", "alt"};
        QTest::newRow("Jahr geleert") << "" << "alt" << "Opa" << QStringList{"Opa", "7", "12", "-", "alt"};
        QTest::newRow("kein Jahr getippt") << "98" << "alt" << "Opa" << QStringList{"Opa", "7", "12", "1985", "alt"};
        QTest::newRow("Name eines anderen") << "-" << "alt" << "Oma" << QStringList{"Oma", "7", "12", "1985", "alt"};
    }

    // The shown record is changed, stays shown and current.
    void aendern()
    {
        QFETCH(QString, jahr);
        QFETCH(QString, bemerkungen);
        QFETCH(QString, name);
        QFETCH(QStringList, gespeichert);
        Hauptfensterprobe p(QDate(2026, 6, 10), {{"Oma", 1, 1}, {"Opa", 7, 12, 1985, "alt"}});
        eintragAendern(p, 1, [&](Eintragsprobe d) {
            if (jahr != QLatin1String("-"))
                d.jahr()->setText(jahr);
            d.bemerkungen()->setPlainText(bemerkungen);
            d.name()->setText(name);
            d.speichern();
        });
        QCOMPARE(p.db.saetze(), QList<QStringList>({{"Oma", "1", "1", "-", "-"}, gespeichert}));
        QCOMPARE(p.fenster().datGedenkbuch().Bookmark(), p.ids[1]);
        QCOMPARE(p.voll().id(p.voll().gewaehlt()), p.ids[1]);
    }

    // Typed-over day or month: no dialog, no change. At rest a click on a field opens nothing; with
    // an entry shown by keys (commands unavailable) a click on a field still opens the change.
    void aendernNurMitGueltigemDatum()
    {
        Hauptfensterprobe p(QDate(2026, 6, 10), {{"Opa", 7, 12, 1985}});
        QTest::mouseClick(p.finden<QLineEdit>(QStringLiteral("txtTag")), Qt::LeftButton);
        QCOMPARE(p.t.dialoge.geoeffnet, 0);
        p.voll().waehlen(0);
        QString geoeffnet;
        p.t.dialoge.dann([&](QDialog& d) { geoeffnet = d.objectName(); });
        QTest::mouseClick(p.finden<QLineEdit>(QStringLiteral("txtTag")), Qt::LeftButton);
        QCOMPARE(geoeffnet, QStringLiteral("frmEintragAendern"));

        p.finden<QLineEdit>(QStringLiteral("txtMonat"))->setText(QStringLiteral("13"));
        p.mausInDieListe();
        p.klicken("cmdAenderung");
        QCOMPARE(p.t.dialoge.geoeffnet, 1);
        QCOMPARE(p.t.meldungen.gezeigt.size(), 1);
        QCOMPARE(p.db.saetze().at(0).at(2), QStringLiteral("12"));
    }
};

QTEST_MAIN(TestEintragsdialog)
#include "tst_eintragsdialog.moc"
