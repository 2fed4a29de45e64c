// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "datenbank.h"

#include "core/anzeigezeile.h"
#include "core/durchlauf.h"
#include "core/kalenderfolge.h"
#include "core/steuerzeichen.h"
#include "core/tage.h"
#include "core/zahlen.h"
#include "store/cursor.h"

#include <QCollator>
#include <QRandomGenerator>
#include <QTest>
#include <limits>

namespace {

// The lines of the full list for entries numbered from 0, in that order.
QList<core::Zeile> zeilen(const Eintraege& eintraege, int bezugsjahr = 2026)
{
    QList<core::Zeile> liste;
    for (const core::Aenderung& e : eintraege) {
        const auto jahr = e.jahr && *e.jahr ? std::optional<qint16>(qint16(**e.jahr)) : std::nullopt;
        liste.append(
            core::listenzeile({liste.size(), *e.Bezeichnung, qint16(*e.tag), qint16(*e.monat), jahr, {}}, bezugsjahr));
    }
    return liste;
}

} // namespace

class TestKern : public QObject {
    Q_OBJECT
private slots:
    void zahlwert_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("wert");
        QTest::addColumn<int>("int16"); // 99999: none
        QTest::newRow("Ziffern vor Buchstaben") << "12abc" << 12.0 << 12;
        QTest::newRow("Leerraum mitten in der Zahl") << " 1\t2\n3" << 123.0 << 123;
        QTest::newRow("keine Zahl") << "abc" << 0.0 << 0;
        QTest::newRow("halb zur geraden Zahl darunter") << ".5x" << 0.5 << 0;
        QTest::newRow("halb zur geraden Zahl darüber") << "-15E-1" << -1.5 << -2;
        QTest::newRow("Exponent") << "1e3" << 1000.0 << 1000;
        QTest::newRow("Exponent ohne Ziffern") << "2e" << 2.0 << 2;
        QTest::newRow("zweiter Punkt beendet") << "1.2.3" << 1.2 << 1;
        QTest::newRow("zu groß") << "32768" << 32768.0 << 99999;
        QTest::newRow("rundet über die Grenze") << "32767.5" << 32767.5 << 99999;
        QTest::newRow("rundet zur geraden Grenze") << "-32768.5" << -32768.5 << -32768;
        QTest::newRow("unendlich") << "1e999" << std::numeric_limits<double>::infinity() << 99999;
    }

    // The numeric value of a text, and its nearest 16-bit number (a half to the even neighbour).
    void zahlwert()
    {
        QFETCH(QString, text);
        QFETCH(double, wert);
        QFETCH(int, int16);
        QCOMPARE(core::zahlwert(text), wert);
        const auto zahl = core::alsInt16(wert);
        QCOMPARE(zahl ? int(*zahl) : 99999, int16);
    }

    void steuerzeichen_data()
    {
        // clang-format off
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("name");        // as one line
        QTest::addColumn<QString>("bemerkungen"); // as remarks
        QTest::addColumn<QString>("zeile");       // as a list shows the name
        QTest::newRow("sauber") << "Jörg 🎂" << "Jörg 🎂" << "Jörg 🎂" << "Jörg 🎂";
        QTest::newRow("Fenstertitel") << "A\x1b]0;x\x07" "B" << "A]0;xB" << "A]0;xB" << "A]0;xB";
        QTest::newRow("NUL schneidet nichts ab") << QString::fromUtf16(u"A\u0000B", 3) << "AB" << "AB" << "AB";
        QTest::newRow("C1 und DEL") << QString::fromUtf16(u"A\u009b2JB\u007fC") << "A2JBC" << "A2JBC" << "A2JBC";
        QTest::newRow("Zeilenenden") << "A\r\nB\rC\nD\tE" << "A  B C D E" << "A\nB\nC\nD\tE" << "A  B C D E";
        QTest::newRow("Trennzeichen") << QString::fromUtf16(u"A\u2028B") << "A B" << QString::fromUtf16(u"A\u2028B") << "A B";
        QTest::newRow("lang") << QString(299, u'x') + QStringLiteral("🎂y") << QString(299, u'x') + QStringLiteral("🎂y")
                              << QString(299, u'x') + QStringLiteral("🎂y") << QString(299, u'x') + QStringLiteral("…");
        // clang-format on
    }

    // Text from outside on its way in and out: no control character stays, and nothing behind one
    // is lost; a list cuts a long name without splitting a character.
    void steuerzeichen()
    {
        QFETCH(QString, text);
        QFETCH(QString, name);
        QFETCH(QString, bemerkungen);
        QFETCH(QString, zeile);
        QCOMPARE(core::einzeilig(text), name);
        QCOMPARE(core::mehrzeilig(text), bemerkungen);
        QCOMPARE(core::anzeigename(text), zeile);
    }

    // The order from the lines' fields is the order of their texts, collated whole as a sorted
    // list box would: dates as shown, then names with their ages, case-blind, umlauts in place.
    void kalenderfolgeWieGanzeZeilen()
    {
        QRandomGenerator zufall(20261206);
        const QStringList namen = {"anna", "Anna",    "ANNA", "Ärger", "ärger",  "Bernd", "bernd", "Zoe", "Öl",
                                   "Ol",   "Ol (3.)", "O.",   "o-",    "1 Jahr", "éa",    "ea",    "ß",   "ss"};
        Eintraege eintraege;
        for (int i = 0; i < 600; ++i)
            eintraege.append({namen.at(zufall.bounded(int(namen.size()))), zufall.bounded(1, 4), zufall.bounded(1, 4),
                              zufall.bounded(3) ? std::optional<int>() : 2026 - zufall.bounded(1, 4)});
        QList<core::Zeile> liste = zeilen(eintraege);
        QList<core::Zeile> ganz = liste;
        QCollator collator{QLocale(QLocale::German, QLocale::Germany)};
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        std::stable_sort(ganz.begin(), ganz.end(), [&](const core::Zeile& a, const core::Zeile& b) {
            return collator.compare(a.text, b.text) < 0;
        });
        core::kalenderfolge(liste);
        QCOMPARE(liste, ganz);
    }

    // The captions: words for the five days around today, across the year's end and 29 February.
    void tagesanzeige()
    {
        QStringList titel;
        for (int k = 0; k < core::tagesanzahl; ++k)
            titel << core::tagesanzeige(k, QDate(2026, 12, 30));
        titel << core::tagesanzeige(1, QDate(2028, 3, 1)) << core::tagesanzeige(1, QDate(2027, 3, 1));
        QCOMPARE(titel,
                 QStringList({"Vorgestern: Montag, 28.12.2026", "Gestern: Dienstag, 29.12.2026",
                              "Heute: Mittwoch, 30.12.2026", "Morgen: Donnerstag, 31.12.2026",
                              "Übermorgen: Freitag, 01.01.2027", "Samstag, 02.01.2027", "Sonntag, 03.01.2027",
                              "Montag, 04.01.2027", "Dienstag, 05.01.2027", "Gestern: Dienstag, 29.02.2028",
                              "Gestern: Sonntag, 28.02.2027"}));
    }

    void naechsterJahrestag_data()
    {
        QTest::addColumn<QDate>("heute");
        QTest::addColumn<QList<int>>("daten"); // month * 100 + day of each line of the full list
        QTest::addColumn<int>("treffer");
        const QDate juni(2026, 6, 10), weihnachten(2026, 12, 25);
        QTest::newRow("Februar nach dem Fenster") << juni << QList<int>{201, 612} << 0;
        QTest::newRow("nur im Fenster, im Jahr darauf") << juni << QList<int>{612} << 0;
        QTest::newRow("Rest des Monats zuerst") << juni << QList<int>{201, 630, 701} << 1;
        QTest::newRow("Anfang des Monats zuletzt") << juni << QList<int>{601, 612} << 0;
        QTest::newRow("erste Zeile eines Tages") << juni << QList<int>{105, 801, 801} << 1;
        QTest::newRow("Januar nach Weihnachten") << weihnachten << QList<int>{131, 1228} << 0;
        QTest::newRow("kein Monat zu finden") << juni << QList<int>{1301, 5} << -1;
    }

    void naechsterJahrestag()
    {
        QFETCH(QDate, heute);
        QFETCH(QList<int>, daten);
        QFETCH(int, treffer);
        QList<core::Zeile> liste;
        for (const int datum : daten)
            liste.append({{}, liste.size(), qint16(datum / 100), qint16(datum % 100), {}, 0});
        QCOMPARE(core::naechsterJahrestag(liste, heute), treffer);
    }

    // A record only another program could have written is skipped or listed without an age; the
    // entries behind it are all read. An empty table is a complete walk over nothing.
    void durchlaufMitFremdenDatensaetzen()
    {
        Testdatenbank db;
        auto s = db.oeffnen();
        store::Cursor cursor(*s);
        QVERIFY(core::durchlaufen(cursor, [](const store::Datensatz&) {}).leer);
        db.hinzufuegen({{"Erste", 1, 1, 1990}});
        QCOMPARE(Fremdzugriff(db.pfad()).sql("INSERT INTO Gedenkbuch VALUES (NULL, 2, 2, 1990, NULL), "
                                             "('Riesenjahr', 3, 3, 99999, NULL), ('Texttag', 'abc', 4, NULL, NULL), "
                                             "('Ohne Monat', 5, NULL, NULL, NULL)"),
                 QString());
        db.hinzufuegen({{"Letzte", 7, 7, 2000}});
        QStringList gelesen;
        const core::Durchlauf d = core::eintraegeDurchlaufen(cursor, [&](const core::Eintrag& e) {
            gelesen << e.Bezeichnung + (e.jahr ? QStringLiteral(" %1").arg(*e.jahr) : QString());
        });
        QVERIFY(d.vollstaendig() && !d.leer);
        QCOMPARE(gelesen, QStringList({"Erste 1990", "Riesenjahr", "Letzte 2000"}));
    }

    // A damaged page in the middle: the walk says so, and reads every record before and behind it.
    void durchlaufHinterSchaden()
    {
        Testdatenbank db;
        db.fuellen(600);
        QVERIFY(beschaedigen(db.pfad()));
        auto s = db.oeffnen();
        QVERIFY(!s->pruefen().isEmpty());
        store::Cursor cursor(*s);
        QList<int> gelesen;
        const core::Durchlauf d = core::eintraegeDurchlaufen(
            cursor, [&](const core::Eintrag& e) { gelesen << e.Bezeichnung.mid(1).toInt(); });
        QCOMPARE(d.fehler ? int(d.fehler->art()) : -1, int(store::StoreError::Art::Beschaedigt));
        int spruenge = 0; // in order, each once; the records of the damaged page are one run
        for (int i = 1; i < gelesen.size(); ++i)
            spruenge += gelesen[i] <= gelesen[i - 1] ? 99 : gelesen[i] - gelesen[i - 1] > 1;
        QVERIFY2(gelesen.size() > 500 && gelesen.constFirst() == 1 && gelesen.constLast() == 600 && spruenge == 1,
                 qPrintable(QStringLiteral("%1 gelesen, %2 Sprünge").arg(gelesen.size()).arg(spruenge)));
    }
};

QTEST_GUILESS_MAIN(TestKern)
#include "tst_kern.moc"
