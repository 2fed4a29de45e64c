#include "ui/zahlen.h"

#include <QTest>
#include <limits>

class TestZahlen : public QObject {
    Q_OBJECT
private slots:
    void zahlwert_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("wert");
        QTest::newRow("Ziffern vor Buchstaben") << "12abc" << 12.0;
        QTest::newRow("Blanks mitten in der Zahl") << " 1 2" << 12.0;
        QTest::newRow("negativ") << "-3" << -3.0;
        QTest::newRow("Exponent") << "1e3" << 1000.0;
        QTest::newRow("leer") << "" << 0.0;
        QTest::newRow("keine Zahl") << "abc" << 0.0;
        QTest::newRow("Nachkommastellen") << ".5x" << 0.5;
        QTest::newRow("negativer Exponent") << "15E-1" << 1.5;
        QTest::newRow("zweiter Punkt beendet") << "1.2.3" << 1.2;
        QTest::newRow("Zeilenumbruch übersprungen") << "\t3\n1" << 31.0;
    }

    void zahlwert()
    {
        QFETCH(QString, text);
        QFETCH(double, wert);
        QCOMPARE(ui::zahlwert(text), wert);
    }

    void alsInt16_data()
    {
        QTest::addColumn<double>("wert");
        QTest::addColumn<int>("ergebnis"); // 99999: none
        QTest::newRow("halb zur geraden Zahl darunter") << 2.5 << 2;
        QTest::newRow("halb zur geraden Zahl darüber") << 3.5 << 4;
        QTest::newRow("größter Wert") << 32767.0 << 32767;
        QTest::newRow("zu groß") << 32768.0 << 99999;
        QTest::newRow("rundet über die Grenze") << 32767.5 << 99999;
        QTest::newRow("rundet zur geraden Grenze") << -32768.5 << -32768;
        QTest::newRow("unendlich") << std::numeric_limits<double>::infinity() << 99999;
    }

    void alsInt16()
    {
        QFETCH(double, wert);
        QFETCH(int, ergebnis);
        const auto zahl = ui::alsInt16(wert);
        QCOMPARE(zahl ? int(*zahl) : 99999, ergebnis);
    }
};

QTEST_GUILESS_MAIN(TestZahlen)
#include "tst_zahlen.moc"
