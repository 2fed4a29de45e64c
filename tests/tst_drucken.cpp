// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The book on paper, read back with poppler's tools rather than Qt's: each entry on its day's row
// and in its month's column, page size and count, every font embedded, nothing dropped unsaid.
#include "datenbank.h"
#include "werkzeug.h"

#include <QDate>
#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

namespace {

const QStringList wochentage = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};

QString poppler(const char* programm, const QStringList& argumente)
{
    return starten(QString::fromLatin1(programm), argumente, ".").ausgabe;
}

// The fields of the year overview as `pdftotext -layout` places them, by "T.M", a field's two lines
// as one text. A day's row begins and ends with its number; in it each month's field begins with
// its weekday, and the field's second line stands below.
QMap<QString, QString> felder(const QString& seite, int jahr)
{
    const QStringList zeilen = seite.split(u'\n');
    const QRegularExpression reihe("^\\s*(\\d+) .* (\\d+)$");
    QMap<QString, QString> felder;
    for (qsizetype r = 0; r < zeilen.size(); ++r) {
        const auto treffer = reihe.match(zeilen[r]);
        const int tag = treffer.captured(1).toInt();
        if (tag == 0 || treffer.captured(2).toInt() != tag)
            continue;
        QList<std::pair<QString, qsizetype>> anfang{{QString(), treffer.capturedEnd(1)}};
        for (int m = 1; m <= 12; ++m) {
            if (const QDate d(jahr, m, tag); d.isValid())
                anfang.append({QStringLiteral("%1.%2").arg(tag).arg(m),
                               zeilen[r].indexOf(" " + wochentage[d.dayOfWeek() - 1] + " ", anfang.last().second) + 1});
        }
        anfang.append({QString(), treffer.capturedStart(2)});
        const QString zweite = reihe.match(zeilen.value(r + 1)).hasMatch() ? QString() : zeilen.value(r + 1);
        for (qsizetype i = 1; i + 1 < anfang.size(); ++i) {
            const auto [von, bis] = std::pair{anfang[i].second, anfang[i + 1].second};
            felder.insert(anfang[i].first,
                          (zeilen[r].mid(von + 2, bis - von - 2) + u' ' + zweite.mid(von, bis - von)).simplified());
        }
    }
    return felder;
}

// What stands on each day's line of a month's page of the perpetual calendar, behind the number.
QStringList tageszeilen(const QString& pdf, int monat)
{
    QStringList tage;
    const QString seite = QString::number(monat);
    for (const QString& zeile : poppler("pdftotext", {"-layout", "-f", seite, "-l", seite, pdf, "-"}).split(u'\n')) {
        const auto treffer = QRegularExpression(QStringLiteral("^\\s*%1( |$)").arg(tage.size() + 1)).match(zeile);
        if (treffer.hasMatch())
            tage << zeile.mid(treffer.capturedLength()).simplified();
    }
    return tage;
}

// Pages, size and orientation from pdfinfo, then the fonts pdffonts lists as embedded.
QString aufbau(const QString& pdf)
{
    const auto seiten = QRegularExpression("Pages: +(\\d+)\\n.*Page size: +([\\d.]+) x ([\\d.]+) pts \\(A4\\)",
                                           QRegularExpression::DotMatchesEverythingOption)
                            .match(poppler("pdfinfo", {pdf}));
    QStringList schriften; // name, type, encoding, emb sub uni, object ID
    for (const auto& s :
         QRegularExpression("^(\\S+) .* yes +(yes|no) +(yes|no) +\\d+ +\\d+$", QRegularExpression::MultilineOption)
             .globalMatch(poppler("pdffonts", {pdf})))
        schriften << s.captured(1);
    schriften.sort();
    return QStringLiteral("%1 A4 %2 ")
               .arg(seiten.captured(1), seiten.captured(2).toDouble() > seiten.captured(3).toDouble() ? "quer" : "hoch")
        + schriften.join(u' ');
}

bool passt(const QString& muster, const QString& text)
{
    return QRegularExpression(QRegularExpression::wildcardToRegularExpression(muster)).match(text).hasMatch();
}

} // namespace

class TestDrucken : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext fehlt (Debian: poppler-utils; make test installiert es).");
    }

    void eintrag_data()
    {
        // clang-format off
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("tag");
        QTest::addColumn<int>("monat");
        QTest::addColumn<int>("jahr"); // 0: none
        QTest::addColumn<QString>("schaltjahr"); // its field in 2028, "*" for any text
        QTest::addColumn<QString>("gemeinjahr"); // in 2027; null: the page has no such field
        QTest::addColumn<QString>("ewig");       // its line in the perpetual calendar
        const QString lang = 'L' + QString(299, 'a');
        QTest::newRow("mit Jahr") << "Anna Bergmann" << 15 << 4 << 1985 << "Anna Bergmann (43.)" << "Anna Bergmann (42.)" << "Anna Bergmann (1985)";
        QTest::newRow("ohne Jahr") << "Ohne Jahr" << 1 << 1 << 0 << "Ohne Jahr" << "Ohne Jahr" << "Ohne Jahr";
        QTest::newRow("29. Februar") << "Sepp" << 29 << 2 << 1988 << "Sepp (40.)" << QString() << "Sepp (1988)";
        QTest::newRow("Umlaute und Emoji") << "Jö 🎂 Äß" << 3 << 3 << 1990 << "Jö Äß (38.)" << "Jö Äß (37.)" << "Jö Äß (1990)";
        QTest::newRow("300 Zeichen") << lang << 20 << 7 << 1970 << "Laaa*a… (58.)" << "Laaa*a… (57.)" << "Laaa*a… (1970)";
        QTest::newRow("Steuerzeichen, jünger als ein Jahr") << "Ab\nCd\x1b\x7f" << 31 << 12 << 2027 << "Ab Cd (1.)" << "Ab Cd" << "Ab Cd (2027)";
        // clang-format on
    }

    // One entry in the year overview of a leap year and of a common year, and in the perpetual
    // calendar: in its field or on its line and nowhere else, with its age or its year of birth.
    void eintrag()
    {
        QFETCH(QString, name);
        QFETCH(int, tag);
        QFETCH(int, monat);
        QFETCH(int, jahr);
        QFETCH(QString, schaltjahr);
        QFETCH(QString, gemeinjahr);
        QFETCH(QString, ewig);
        Testdatenbank db;
        db.hinzufuegen({{name, tag, monat, jahr > 0 ? std::optional<int>(jahr) : std::nullopt, {}}});
        const QString hier = QStringLiteral("%1.%2").arg(tag).arg(monat);

        for (const auto& [druckjahr, erwartet] : {std::pair{2028, schaltjahr}, std::pair{2027, gemeinjahr}}) {
            const QString pdf = QStringLiteral("%1.pdf").arg(druckjahr);
            const Lauf lauf = werkzeug({"drucken", "--jahr", QString::number(druckjahr), "--datei", pdf}, db.ordner());
            QCOMPARE(lauf.ausgabe + lauf.fehler,
                     QStringLiteral("Jahresübersicht %1 mit %2 aus %3 in %4 geschrieben.\n")
                         .arg(druckjahr)
                         .arg(erwartet.isNull() ? "0 Einträgen" : "1 Eintrag", db.pfad(), pdf));
            QCOMPARE(aufbau(db.ordner() + '/' + pdf), "1 A4 quer DejaVuSans DejaVuSans-Bold");
            const QString seite = poppler("pdftotext", {"-layout", db.ordner() + '/' + pdf, "-"});
            QVERIFY(seite.section(u'\n', 0, 0).endsWith(erwartet.isNull() ? " 0 Einträge" : " 1 Eintrag"));
            QCOMPARE(seite.contains("1 Eintrag vom 29. Februar steht nur in Schaltjahren."), erwartet.isNull());
            const QMap<QString, QString> ist = felder(seite, druckjahr);
            QCOMPARE(ist.size(), QDate(druckjahr, 1, 1).daysInYear()); // every row found
            for (const auto& [ort, gedruckt] : ist.asKeyValueRange())
                QVERIFY2(ort == hier ? passt(erwartet, gedruckt) : gedruckt.isEmpty(),
                         qPrintable(ort + ": " + gedruckt));
        }

        const Lauf lauf = werkzeug({"drucken", "--ewig", "--datei", "ewig.pdf"}, db.ordner());
        QCOMPARE(lauf.ausgabe + lauf.fehler,
                 "Immerwährender Kalender mit 1 Eintrag aus " + db.pfad() + " in ewig.pdf geschrieben.\n");
        QCOMPARE(aufbau(db.ordner() + "/ewig.pdf"), "12 A4 hoch DejaVuSans DejaVuSans-Bold");
        for (int m = 1; m <= 12; ++m) {
            const QStringList tage = tageszeilen(db.ordner() + "/ewig.pdf", m);
            QCOMPARE(tage.size(), QDate(2000, m, 1).daysInMonth());
            for (int t = 1; t <= tage.size(); ++t)
                QVERIFY2(m == monat && t == tag ? passt(ewig, tage[t - 1]) : tage[t - 1].isEmpty(),
                         qPrintable(tage[t - 1]));
        }
    }

    void zuViele_data()
    {
        QTest::addColumn<QStringList>("art");
        QTest::newRow("Jahresübersicht") << QStringList{"--jahr", "2026"};
        QTest::newRow("immerwährend") << QStringList{"--ewig"};
    }

    // A day with more entries than its field holds names as many as fit and counts the rest; what
    // the program never shows is counted on standard error.
    void zuViele()
    {
        QFETCH(QStringList, art);
        Testdatenbank db;
        Eintraege viele;
        for (int i = 0; i < 40; ++i)
            viele << core::Aenderung{QStringLiteral("Name %1").arg(i), 10, 5, 1950 + i, {}};
        db.hinzufuegen(viele);
        QCOMPARE(Fremdzugriff(db.pfad()).sql("INSERT INTO Gedenkbuch (tag, monat) VALUES (10, 5); "
                                             "INSERT INTO Gedenkbuch VALUES ('April', 31, 4, NULL, NULL)"),
                 QString());
        const Lauf lauf = werkzeug(QStringList{"drucken", "--datei", "k.pdf"} + art, db.ordner());
        QCOMPARE(QString::number(lauf.status) + u' ' + lauf.fehler,
                 "0 Nicht gedruckt: 1 Datensatz ohne Bezeichnung, Tag oder Monat und 1 Eintrag mit einem Tag, den es "
                 "im Monat nie gibt.\n");
        const QString pdf = db.ordner() + "/k.pdf";
        const QString gedruckt = art.contains("--ewig")
            ? tageszeilen(pdf, 5).value(9)
            : felder(poppler("pdftotext", {"-layout", pdf, "-"}), 2026).value("10.5");
        const auto rest = QRegularExpression(" \\+(\\d+)$").match(gedruckt);
        const qsizetype genannt = gedruckt.count(QRegularExpression("\\((\\d+\\.|19\\d\\d)\\)"));
        QVERIFY2(rest.hasMatch() && genannt > 0 && genannt + rest.captured(1).toInt() == 40, qPrintable(gedruckt));
    }

    // Every write is checked: a full disk leaves nothing, and says so.
    void datentraegerVoll()
    {
        Testdatenbank db;
        const Lauf lauf = werkzeugMitGrenze(8 * 1024, {"drucken", "--datei", "k.pdf"}, db.ordner());
        QCOMPARE(QString::number(lauf.status) + u' ' + lauf.ausgabe + lauf.fehler,
                 "1 Die Datei k.pdf konnte nicht geschrieben werden: Die Datei würde größer, als das System erlaubt.\n"
                 "Es wurde keine Datei angelegt.\n");
        QCOMPARE(QDir(db.ordner()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot), {"daten.mdb"});
    }
};

QTEST_GUILESS_MAIN(TestDrucken)
#include "tst_drucken.moc"
