#include "ui/datum.h"
#include "ui/zahlen.h"

#include <QTest>
#include <limits>

class TestZahlen : public QObject {
    Q_OBJECT
private slots:
    void zahlwert_data();
    void zahlwert();
    void alsInt16_data();
    void alsInt16();
    void feldAlsInt16_data();
    void feldAlsInt16();
    void deutschesDatum_data();
    void deutschesDatum();
};

void TestZahlen::zahlwert_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("wert");
    QTest::newRow("Ziffern vor Buchstaben") << "12abc" << 12.0;
    QTest::newRow("Blanks mitten in der Zahl") << " 1 2" << 12.0;
    QTest::newRow("negativ") << "-3" << -3.0;
    QTest::newRow("Exponent") << "1e3" << 1000.0;
    QTest::newRow("leer") << "" << 0.0;
    QTest::newRow("keine Zahl") << "abc" << 0.0;
    QTest::newRow("Dezimalpunkt") << "2.5" << 2.5;
    QTest::newRow("nur Nachkommastellen") << ".5x" << 0.5;
    QTest::newRow("Komma beendet die Zahl") << "2,5" << 2.0;
    QTest::newRow("Exponent ohne Ziffern") << "7e" << 7.0;
    QTest::newRow("Exponent mit Vorzeichen") << "15E-1" << 1.5;
    QTest::newRow("zweiter Punkt beendet") << "1.2.3" << 1.2;
    QTest::newRow("Vorzeichen allein") << "-" << 0.0;
    QTest::newRow("Punkt allein") << "." << 0.0;
    QTest::newRow("Blank nach Vorzeichen") << "+ 4" << 4.0;
    QTest::newRow("Tabulator und Zeilenumbruch") << "\t3\n1" << 31.0;
    QTest::newRow("führende Null") << "03" << 3.0;
    QTest::newRow("Exponent ohne Mantisse") << "e5" << 0.0;
    QTest::newRow("Umlaut beendet") << "4ä" << 4.0;
}

void TestZahlen::zahlwert()
{
    QFETCH(QString, text);
    QFETCH(double, wert);
    QCOMPARE(ui::zahlwert(text), wert);
}

void TestZahlen::alsInt16_data()
{
    QTest::addColumn<double>("wert");
    QTest::addColumn<bool>("gueltig");
    QTest::addColumn<int>("ergebnis");
    QTest::newRow("halb zur geraden unten") << 2.5 << true << 2;
    QTest::newRow("halb zur geraden oben") << 3.5 << true << 4;
    QTest::newRow("negativ halb") << -2.5 << true << -2;
    QTest::newRow("knapp unter halb") << 2.49 << true << 2;
    QTest::newRow("größter Wert") << 32767.0 << true << 32767;
    QTest::newRow("kleinster Wert") << -32768.0 << true << -32768;
    QTest::newRow("zu groß") << 32768.0 << false << 0;
    QTest::newRow("rundet über die Grenze") << 32767.5 << false << 0;
    QTest::newRow("rundet zur geraden Grenze") << -32768.5 << true << -32768;
    QTest::newRow("zu klein") << -32769.0 << false << 0;
    QTest::newRow("unendlich") << std::numeric_limits<double>::infinity() << false << 0;
    QTest::newRow("keine Zahl") << std::numeric_limits<double>::quiet_NaN() << false << 0;
}

void TestZahlen::alsInt16()
{
    QFETCH(double, wert);
    QFETCH(bool, gueltig);
    QFETCH(int, ergebnis);
    const auto zahl = ui::alsInt16(wert);
    QCOMPARE(zahl.has_value(), gueltig);
    if (gueltig)
        QCOMPARE(int(*zahl), ergebnis);
}

void TestZahlen::feldAlsInt16_data()
{
    QTest::addColumn<QVariant>("feld");
    QTest::addColumn<bool>("gueltig");
    QTest::addColumn<int>("ergebnis");
    QTest::newRow("ganze Zahl") << QVariant(qint64(1985)) << true << 1985;
    QTest::newRow("leeres Feld") << QVariant() << false << 0;
    QTest::newRow("jenseits von 16 Bit") << QVariant(qint64(40000)) << false << 0;
    QTest::newRow("Dezimalzahl") << QVariant(2.5) << true << 2;
    QTest::newRow("Zahl als Text") << QVariant(QStringLiteral(" 12 ")) << true << 12;
    QTest::newRow("Text mit Buchstaben") << QVariant(QStringLiteral("12abc")) << false << 0;
    QTest::newRow("Binärdaten") << QVariant(QByteArray("12")) << false << 0;
}

void TestZahlen::feldAlsInt16()
{
    QFETCH(QVariant, feld);
    QFETCH(bool, gueltig);
    QFETCH(int, ergebnis);
    const auto zahl = ui::feldAlsInt16(feld);
    QCOMPARE(zahl.has_value(), gueltig);
    if (gueltig)
        QCOMPARE(int(*zahl), ergebnis);
}

void TestZahlen::deutschesDatum_data()
{
    QTest::addColumn<QDate>("datum");
    QTest::addColumn<QString>("text");
    QTest::newRow("Jahresende") << QDate(2026, 12, 30) << "Mittwoch, 30.12.2026";
    QTest::newRow("führende Nullen") << QDate(2027, 1, 1) << "Freitag, 01.01.2027";
    QTest::newRow("Schalttag") << QDate(2028, 2, 29) << "Dienstag, 29.02.2028";
    QTest::newRow("Samstag") << QDate(2027, 2, 27) << "Samstag, 27.02.2027";
    QTest::newRow("Sonntag") << QDate(2027, 2, 28) << "Sonntag, 28.02.2027";
    QTest::newRow("Montag") << QDate(2026, 12, 28) << "Montag, 28.12.2026";
    QTest::newRow("Donnerstag") << QDate(2026, 12, 31) << "Donnerstag, 31.12.2026";
}

void TestZahlen::deutschesDatum()
{
    QFETCH(QDate, datum);
    QFETCH(QString, text);
    QCOMPARE(ui::deutschesDatum(datum), text);
}

QTEST_GUILESS_MAIN(TestZahlen)
#include "tst_zahlen.moc"
