// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The book on paper, read back with poppler's tools rather than Qt's: each entry on its day's row
// and in its month's column, page size and count, every font embedded, nothing dropped unsaid.
#include "datenbank.h"
#include "werkzeug.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

namespace {

const QStringList wochentage = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};

// The lines of a PDF, or of one of its pages, as `pdftotext -layout` places them.
QStringList text(const QString& pdf, int seite = 0)
{
    QStringList argumente = {"-layout", pdf, "-"};
    if (seite > 0)
        argumente = QStringList{"-f", QString::number(seite), "-l", QString::number(seite)} + argumente;
    return starten("pdftotext", argumente, ".").ausgabe.split(u'\n');
}

// The field of a day in the year overview, its two lines as one text; null where the page has
// none. A day's row begins and ends with its number; in it each month's field begins with the
// weekday, and its second line stands below that.
QString feld(const QStringList& zeilen, int jahr, int monat, int tag)
{
    const QRegularExpression reihe(QStringLiteral("^\\s*%1\\s.*\\s%1\\s*$").arg(tag));
    const qsizetype r = zeilen.indexOf(reihe);
    if (r < 0 || !QDate(jahr, monat, tag).isValid())
        return {};
    QList<qsizetype> anfang; // where each month's field begins, then where the row's number ends it
    QList<int> monate;
    qsizetype ab = zeilen[r].indexOf(QString::number(tag)) + 2;
    for (int m = 1; m <= 12; ++m) {
        if (!QDate(jahr, m, tag).isValid())
            continue;
        const QRegularExpression kuerzel(
            QStringLiteral("(?<=\\s)%1(?=\\s|$)").arg(wochentage[QDate(jahr, m, tag).dayOfWeek() - 1]));
        ab = zeilen[r].indexOf(kuerzel, ab);
        if (ab < 0)
            return QStringLiteral("(kein Wochentag im %1. Monat)").arg(m);
        anfang << ab;
        monate << m;
        ab += 2;
    }
    anfang << zeilen[r].lastIndexOf(QString::number(tag));
    const qsizetype i = monate.indexOf(monat);
    const QString erste = zeilen[r].mid(anfang[i] + 2, anfang[i + 1] - anfang[i] - 2);
    const bool zweite = r + 1 < zeilen.size() && !zeilen[r + 1].contains(QRegularExpression("^\\s*\\d+\\s"));
    return (erste + u' ' + (zweite ? zeilen[r + 1].mid(anfang[i], anfang[i + 1] - anfang[i]) : QString())).simplified();
}

// The lines of a month's page of the perpetual calendar, by day: what stands behind the number.
QStringList tageszeilen(const QStringList& zeilen)
{
    QStringList tage;
    for (const QString& zeile : zeilen) {
        const QRegularExpression reihe(QStringLiteral("^\\s*%1(\\s|$)").arg(tage.size() + 1));
        if (const auto treffer = reihe.match(zeile); treffer.hasMatch())
            tage << zeile.mid(treffer.capturedLength()).simplified();
    }
    return tage;
}

// "Pages: 1", "Page size: 842 x 595 pts (A4)" and whether every font is embedded.
QString aufbau(const QString& pdf)
{
    const QString info = starten("pdfinfo", {pdf}, ".").ausgabe;
    const auto seiten = QRegularExpression("Pages:\\s+(\\d+)").match(info);
    const auto groesse = QRegularExpression("Page size:\\s+([\\d.]+) x ([\\d.]+) pts \\(A4\\)").match(info);
    QString ergebnis = seiten.captured(1) + QStringLiteral(" Seiten ")
        + (!groesse.hasMatch()                                                   ? QStringLiteral("nicht A4")
               : groesse.captured(1).toDouble() > groesse.captured(2).toDouble() ? QStringLiteral("A4 quer")
                                                                                 : QStringLiteral("A4 hoch"));
    QStringList schriften;
    for (const QString& zeile : starten("pdffonts", {pdf}, ".").ausgabe.split(u'\n', Qt::SkipEmptyParts).mid(2)) {
        const QStringList spalten = zeile.split(u' ', Qt::SkipEmptyParts); // name … emb sub uni object ID
        schriften << spalten.first() + (spalten.value(spalten.size() - 5) == "yes" ? "" : " (nicht eingebettet)");
    }
    schriften.sort();
    return ergebnis + u' ' + schriften.join(u' ');
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
        if (QStandardPaths::findExecutable("pdftotext").isEmpty()
            || QStandardPaths::findExecutable("pdffonts").isEmpty())
            QSKIP("pdftotext und pdffonts fehlen (Debian: poppler-utils, make test installiert es).");
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

        for (const auto& [druckjahr, erwartet] : {std::pair{2028, schaltjahr}, std::pair{2027, gemeinjahr}}) {
            const QString pdf = QStringLiteral("%1.pdf").arg(druckjahr);
            const Lauf lauf = werkzeug({"drucken", "--jahr", QString::number(druckjahr), "--datei", pdf}, db.ordner());
            const QString anzahl = erwartet.isNull() ? "0 Einträgen" : "1 Eintrag";
            QCOMPARE(lauf.ausgabe + lauf.fehler,
                     QStringLiteral("Jahresübersicht %1 mit %2 aus daten.mdb in %3 geschrieben.\n")
                         .arg(druckjahr)
                         .arg(anzahl, pdf));
            QCOMPARE(aufbau(db.ordner() + '/' + pdf), "1 Seiten A4 quer DejaVuSans DejaVuSans-Bold");
            const QStringList seite = text(db.ordner() + '/' + pdf);
            QVERIFY2(seite.constFirst().endsWith(erwartet.isNull() ? " 0 Einträge" : " 1 Eintrag"),
                     qPrintable(seite.constFirst()));
            QCOMPARE(seite.join(' ').contains("1 Eintrag vom 29. Februar steht nur in Schaltjahren."),
                     erwartet.isNull());
            for (int m = 1; m <= 12; ++m) {
                for (int t = 1; t <= 31; ++t) {
                    const QString gedruckt = feld(seite, druckjahr, m, t);
                    const QString soll = !QDate(druckjahr, m, t).isValid() ? QString()
                        : m == monat && t == tag                           ? erwartet
                                                                           : QStringLiteral("");
                    QVERIFY2(soll.isNull() ? gedruckt.isNull() : !gedruckt.isNull() && passt(soll, gedruckt),
                             qPrintable(QStringLiteral("%1.%2.%3: „%4“").arg(t).arg(m).arg(druckjahr).arg(gedruckt)));
                }
            }
        }

        const Lauf lauf = werkzeug({"drucken", "--ewig", "--datei", "ewig.pdf"}, db.ordner());
        QCOMPARE(lauf.ausgabe + lauf.fehler,
                 "Immerwährender Kalender mit 1 Eintrag aus daten.mdb in ewig.pdf geschrieben.\n");
        QCOMPARE(aufbau(db.ordner() + "/ewig.pdf"), "12 Seiten A4 hoch DejaVuSans DejaVuSans-Bold");
        for (int m = 1; m <= 12; ++m) {
            const QStringList seite = text(db.ordner() + "/ewig.pdf", m);
            QVERIFY(!seite.join(' ').contains(QRegularExpression("\\b(" + wochentage.join('|') + ")\\b")));
            const QStringList tage = tageszeilen(seite);
            QCOMPARE(tage.size(), QDate(2000, m, 1).daysInMonth());
            for (int t = 1; t <= tage.size(); ++t)
                QVERIFY2(m == monat && t == tag ? passt(ewig, tage[t - 1]) : tage[t - 1].isEmpty(),
                         qPrintable(tage[t - 1]));
        }
    }

    void zuViele_data()
    {
        QTest::addColumn<QStringList>("art");
        QTest::addColumn<QString>("legende");
        QTest::newRow("Jahresübersicht") << QStringList{"--jahr", "2026"} << "für die sein Feld keinen Platz hat.";
        QTest::newRow("immerwährend") << QStringList{"--ewig"} << "für die seine Zeile keinen Platz hat.";
    }

    // A day with more entries than its field holds names as many as fit and counts the rest.
    void zuViele()
    {
        QFETCH(QStringList, art);
        QFETCH(QString, legende);
        Testdatenbank db;
        Eintraege viele;
        for (int i = 0; i < 40; ++i)
            viele << core::Aenderung{QStringLiteral("Name %1").arg(i), 10, 5, 1950 + i, {}};
        db.hinzufuegen(viele);
        QCOMPARE(werkzeug(QStringList{"drucken", "--datei", "k.pdf"} + art, db.ordner()).status, 0);
        const QStringList seite = text(db.ordner() + "/k.pdf", art.contains("--ewig") ? 5 : 0);
        const QString gedruckt = art.contains("--ewig") ? tageszeilen(seite).value(9) : feld(seite, 2026, 5, 10);
        const auto rest = QRegularExpression(" \\+(\\d+)$").match(gedruckt);
        const qsizetype genannt = gedruckt.count(QRegularExpression("\\((\\d+\\.|19\\d\\d)\\)"));
        QVERIFY2(rest.hasMatch() && genannt > 0 && genannt + rest.captured(1).toInt() == 40, qPrintable(gedruckt));
        QVERIFY2(seite.join(' ').contains(legende), qPrintable(seite.join('\n')));
    }

    void nichtGeschrieben_data()
    {
        QTest::addColumn<QString>("vorher"); // what lies under the name: nothing, a file, a dangling link
        QTest::addColumn<qint64>("grenze");  // the largest file the system allows
        QTest::addColumn<QString>("meldung");
        QTest::newRow("Datenträger voll")
            << "" << qint64(8 * 1024)
            << "Die Datei k.pdf konnte nicht geschrieben werden: Die Datei würde größer, als das System erlaubt.\n"
               "Es wurde keine Datei angelegt.\n";
        QTest::newRow("Datei vorhanden") << "Datei" << qint64(1 << 30)
                                         << "Die Datei k.pdf existiert schon. Sie wird nicht überschrieben.\n";
        QTest::newRow("Verknüpfung ins Leere")
            << "Verknüpfung" << qint64(1 << 30)
            << "Unter dem Namen k.pdf liegt schon eine Verknüpfung. Sie wird nicht überschrieben.\n";
    }

    // A print that cannot be written whole leaves the folder as it was, and says why.
    void nichtGeschrieben()
    {
        QFETCH(QString, vorher);
        QFETCH(qint64, grenze);
        QFETCH(QString, meldung);
        Testdatenbank db;
        const QString pdf = db.ordner() + "/k.pdf";
        QVERIFY(vorher != "Datei" || schreiben(pdf, "alt"));
        QVERIFY(vorher != "Verknüpfung" || QFile::link("/nirgends", pdf));
        const QStringList inhalt = QDir(db.ordner()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
        const Lauf lauf = werkzeugMitGrenze(grenze, {"drucken", "--datei", "k.pdf"}, db.ordner());
        QCOMPARE(QString::number(lauf.status) + u' ' + lauf.ausgabe + lauf.fehler, "1 " + meldung);
        QCOMPARE(QDir(db.ordner()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot), inhalt);
        QVERIFY(vorher != "Datei" || dateiinhalt(pdf) == "alt");
    }
};

QTEST_GUILESS_MAIN(TestDrucken)
#include "tst_drucken.moc"
