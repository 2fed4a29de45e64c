// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "datenbank.h"
#include "werkzeug.h"

#include "core/eintragsbuch.h"
#include "core/steuerzeichen.h"
#include "core/tage.h"
#include "exchange/texte.h"
#include "store/cursor.h"

#include <libical/ical.h>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTest>

#include <atomic>
#include <thread>

namespace {

// Entries that are hard to carry through a file, one on a day that no month has, and what only
// another program stores: records the walk rule skips, a year beyond 16 bits, control characters
// and NULs. Calendar order: by month and day, then by name.
const Eintraege schwierige = {
    {"Anna \"Ännchen\" Berg", 15, 4, 1996, "Blumen; Kuchen, Kaffee\r\nund \"Sekt\""},
    {"Carla; Dora", 29, 2, 1988},
    {"Bert, der Zweite", 29, 2, std::nullopt, "Zeile 1\nZeile 2"},
    {"Unmöglich", 31, 4},
    {"Schaltfehler", 29, 2, 2023},
    {"Zukunft", 3, 3, 2090, ""},
    {"Geburtstag 🎂", 31, 12, 1, "🎈"},
};

Testdatenbank& mitSchwierigen(Testdatenbank& db)
{
    db.hinzufuegen(schwierige);
    Fremdzugriff(db.pfad()).sql(QStringLiteral(
        "INSERT INTO Gedenkbuch VALUES (NULL, 1, 1, NULL, NULL), ('Texttag', 'abc', 4, NULL, NULL), "
        "('Ohne Monat', 5, NULL, NULL, NULL), ('Riesenjahr', 3, 3, 99999, NULL), ('Anna' || char(27) || '[2J' || "
        "char(7, 0) || 'Berg', 1, 1, NULL, 'a' || char(13, 0x9b) || 'b' || char(9, 0) || 'c' || char(127))"));
    return db;
}

// The days from 2027 to 2032 on which a calendar shows the events, as "yyyy-MM-dd name".
QStringList kalendertage(const QByteArray& ics)
{
    QStringList tage;
    icalcomponent* kalender = icalparser_parse_string(ics.constData());
    for (icalcomponent* termin = icalcomponent_get_first_component(kalender, ICAL_VEVENT_COMPONENT); termin;
         termin = icalcomponent_get_next_component(kalender, ICAL_VEVENT_COMPONENT)) {
        const auto regel = icalproperty_get_rrule(icalcomponent_get_first_property(termin, ICAL_RRULE_PROPERTY));
        icalrecur_iterator* folge = icalrecur_iterator_new(regel, icalcomponent_get_dtstart(termin));
        for (icaltimetype t = icalrecur_iterator_next(folge); !icaltime_is_null_time(t) && t.year <= 2032;
             t = icalrecur_iterator_next(folge)) {
            if (t.year >= 2027)
                tage << QDate(t.year, t.month, t.day).toString(Qt::ISODate) + u' '
                        + QString::fromUtf8(icalcomponent_get_summary(termin));
        }
        icalrecur_iterator_free(folge);
    }
    icalcomponent_free(kalender);
    tage.sort();
    return tage;
}

// The same days as the program's day lists show them, the names as they go out.
QStringList programmtage(const QList<core::Eintrag>& eintraege)
{
    QList<QDate> tage;
    for (QDate tag(2027, 1, 1); tag.year() <= 2032; tag = tag.addDays(1))
        tage.append(tag);
    core::Tagesfilter filter(tage);
    QHash<qint64, QString> namen;
    for (const core::Eintrag& e : eintraege) {
        filter.aufnehmen(e);
        namen.insert(e.id, core::einzeilig(e.Bezeichnung));
    }
    QStringList gezeigt;
    for (qsizetype k = 0; k < tage.size(); ++k) {
        for (const core::Zeile& z : filter.listen()[k])
            gezeigt << tage[k].toString(Qt::ISODate) + u' ' + namen.value(z.id);
    }
    gezeigt.sort();
    return gezeigt;
}

// The value of every line of the file that begins with `eigenschaft`.
QStringList werte(const QString& ics, const QString& eigenschaft)
{
    QStringList gefunden;
    for (const QString& zeile : ics.split(QStringLiteral("\r\n")))
        if (zeile.startsWith(eigenschaft))
            gefunden << zeile.section(u':', 1);
    return gefunden;
}

// The book on paper is read back with poppler's tools rather than Qt's: each entry on its day's
// row and in its month's column, page size and count, every font embedded, nothing dropped unsaid.
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

class TestAustausch : public QObject {
    Q_OBJECT
private slots:
    void einlesen_data()
    {
        // clang-format off
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QStringList>("saetze"); // taken, behind "Max Eiche", who was there before
        QTest::addColumn<QStringList>("bericht");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("probe"); // the probe's last line where it matters
        QTest::addColumn<QString>("abweisung"); // why the tool refuses the whole file, or nothing
        const auto datei = [](const char* name) { return dateiinhalt(GEDENKBUCH_BEISPIELE "/" + QString(name)); };
        const auto gelesen = [](const char* name, const QByteArray& inhalt, const QStringList& saetze, const QStringList& bericht,
                                int status, const QString& probe = {}) {
            QTest::newRow(name) << inhalt << saetze << bericht << status << probe << QString();
        };
        gelesen("vCard 2.1, Windows-1252", datei("telefon-21.vcf"),
            {"Jörg Müller|7|3|1962|-", "Gräfin Adelheid Weiß von Hohenlohe-Schillingsfürst|24|12|1955|-",
             "Hochzeitstag Gräfin Adelheid Weiß von Hohenlohe-Schillingsfürst|16|5|1980|-",
             "Ayşe Öztürk|31|10|1990|-", "Tante Käthe|29|2|1931|-"},
            {"Karte 4 („Bernd Schmidt“): kein Geburtstag, Hochzeitstag oder Todestag",
             "5 Einträge in daten.mdb übernommen, 1 übersprungen."}, 3);
        gelesen("vCard 3.0 mit BOM", datei("adressbuch-30.vcf"),
            {"Anna Maria Berg|15|4|-|-", "Hochzeitstag Anna Maria Berg|12|6|2010|-",
             "Dr. Otto Klein, jun.|2|11|1948|-", "Hochzeitstag Dr. Otto Klein, jun.|23|8|1975|-",
             "Friederike Sonnenschein-Längle|1|1|1978|-", "Hochzeitstag Friederike Sonnenschein-Längle|8|3|-|-"},
            {"Karte 4: ohne Namen (weder FN noch N noch NICKNAME)",
             "Karte 5 („Anna Maria Berg“): diese Bezeichnung kam schon in Karte 1 vor",
             "6 Einträge in daten.mdb übernommen, 2 übersprungen."}, 3);
        gelesen("vCard 4.0", datei("kontakte-40.vcf"),
            {"Lena Vogel|15|4|-|-", "Hochzeitstag Lena Vogel|20|6|2015|-", "Paul Fuchs|15|4|-|-",
             "Todestag Paul Fuchs|3|11|2019|-", "Mausi|24|12|1999|-", "Hochzeitstag Mausi|29|2|2020|-",
             "lena vogel|2|1|1990|-"},
            {"Karte 4 („Jonas Wolf“): Geburtstag „irgendwann im Mai“ ist als Text angegeben, nicht als Datum",
             "Karte 5 („Greta Stein“): Geburtstag „1985“ nennt nicht Tag und Monat",
             "Karte 5 („Greta Stein“): Hochzeitstag „---12“ nennt nicht Tag und Monat",
             "Karte 6 („Ida Sturm“): den 30.02. gibt es in keinem Jahr",
             "Karte 7 („Max Eiche“): diese Bezeichnung gibt es schon im Gedenkbuch",
             "Karte 8 („Lena Vogel“): diese Bezeichnung kam schon in Karte 1 vor",
             "Karte 10 („Ole Brandt“): den 31.04. gibt es in keinem Jahr",
             "Karte 11 („Ute Sand“): Geburtstag „gestern“ ist kein lesbares Datum",
             "7 Einträge in daten.mdb übernommen, 8 übersprungen."}, 3);
        gelesen("Tabelle mit Semikolons, Windows-1252", datei("tabelle.csv"),
            {"Jürgen Köhler|3|9|1961|Schenkt gern Bücher; liest Krimis", "Änne Groß|7|1|-|-"},
            {"Zeile 4 („Björn Eriksson“): ohne Tag oder Monat", "Zeile 6: ohne Bezeichnung",
             "Zeile 7 („Zoë Martín“): den 31.06. gibt es in keinem Jahr",
             "Zeile 8 („Paula Kraus“): den 01.13. gibt es in keinem Jahr",
             "Zeile 9 („Eva Lind“): Geburtstag „im Mai“ ist kein lesbares Datum",
             "2 Einträge in daten.mdb übernommen, 5 übersprungen."}, 3);
        gelesen("Tabelle mit Kommas, englische Spalten", datei("kontakte.csv"),
            {"Hanna Schulz|29|2|1988|Lieblingsfarbe: grün, nicht \"blau\"", "Karl Meier|30|11|-|-",
             "Ömer Yıldız|15|7|2001|-"},
            {"3 Einträge in daten.mdb übernommen, 0 übersprungen."}, 0);
        gelesen("eigene Spalten", datei("eigene.csv"),
            {"Opa Fritz|1|10|1920|-", "Hund Bello|3|4|-|-"},
            {"Zeile 3 („Oma Erna“): tag „x“ ist keine ganze Zahl",
             "Zeile 4 („Nachbar“): jahr „zwanzig“ ist keine ganze Zahl",
             "2 Einträge in daten.mdb übernommen, 2 übersprungen."}, 3);
        gelesen("nur Doppelte", datei("kontakte-40.vcf"), {}, {}, 4);
        // Escape sequences, a bell, NULs and C1 characters, quoted-printable and in base64.
        gelesen("vCard mit Steuerzeichen", datei("steuerzeichen.vcf"),
            {"Anna]0;Fenstertitel Berg[2J|1|1|1990|-", "Otto[31m Klein|3|2|1985|-",
             "Hochzeitstag Otto[31m Klein|12|6|2010|-", "Todestag Zoe Klar|4|3|2020|-"},
            {"Karte 1 („Anna]0;Fenstertitel Berg[2J“): Steuerzeichen entfernt",
             "Karte 2 („Otto[31m Klein“): Steuerzeichen entfernt",
             "Karte 3 („Zoe Klar“): Geburtstag „[2Jmorgen“ ist kein lesbares Datum",
             "4 Einträge in daten.mdb übernommen, 1 übersprungen."}, 3);
        // DEL, C1 and a lone CR; blanks and a tab around names; cells guarded against formulas.
        gelesen("Tabelle mit Steuerzeichen", datei("steuerzeichen.csv"),
            {"Anna Berg|1|2|1990|=1+2\nneue Zeile", "-Otto|3|4|-|@Notiz", "Ute Sand|5|6|-|-"},
            {"Zeile 2 („Anna Berg“): Steuerzeichen entfernt",
             "Zeile 5 („Ute Sand“): Steuerzeichen entfernt",
             "3 Einträge in daten.mdb übernommen, 0 übersprungen."}, 0);
        // 255 characters (not UTF-16 units) are taken whole; a longer name, also through its
        // prefix, is skipped, and a huge one is not printed whole.
        const auto karte = [](const QString& fn, const char* datum) {
            return QStringLiteral("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:%1\r\n%2\r\nEND:VCARD\r\n").arg(fn, datum).toUtf8();
        };
        const QString torten = QStringLiteral("🎂").repeated(255);
        const auto grund = [](int karte, const QString& anfang) {
            return QStringLiteral("Karte %1 („%2…“): die Bezeichnung ist länger als 255 Zeichen")
                .arg(karte).arg(anfang);
        };
        gelesen("lange Namen", karte(torten, "BDAY:19900101") + karte(QString(256, u'B'), "BDAY:19900101")
                               + karte(QString(250, u'C'), "ANNIVERSARY:20000101") + karte(QString(3 << 20, u'D'), "BDAY:19900101"),
            {torten + "|1|1|1990|-"},
            {grund(2, QString(60, u'B')), grund(3, "Hochzeitstag " + QString(47, u'C')),
             grund(4, QString(60, u'D')), "1 Eintrag in daten.mdb übernommen, 3 übersprungen."},
            3, "Probe: 1 Eintrag würde in daten.mdb übernommen, 3 übersprungen. Es wurde nichts geschrieben.");
        using W = exchange::Abweisung;
        using A = W::Art;
        const auto abgewiesen = [](const char* name, const QByteArray& inhalt, const W& abweisung) {
            QTest::newRow(name) << inhalt << QStringList() << QStringList() << 1 << QString() << exchange::meldung(abweisung);
        };
        const QByteArray anna = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Anna\r\nBDAY:1990-01-01\r\n";
        abgewiesen("Programm", QByteArray("\x7f" "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0", 16), W(A::KeinText));
        abgewiesen("nur Leerzeilen", QByteArray("\r\n \r\n\t\n"), W(A::Leer));
        abgewiesen("Karte abgeschnitten", anna, W(A::EndetInKarte).beiKarte(1));
        abgewiesen("Karte ohne Ende", anna + anna + "END:VCARD\r\n", W(A::KarteUnvollstaendig).beiKarte(1).inZeile(5));
        abgewiesen("Text außerhalb", anna + "END:VCARD\r\nHallo\r\n", W(A::AusserhalbKarte).inZeile(6));
        abgewiesen("Ende ohne Anfang", anna + "END:VCARD\r\nEND:VCARD\r\n", W(A::EndeOhneBeginn).inZeile(6));
        abgewiesen("UTF-16", QByteArray("\xff\xfe" "B\0E\0G\0", 8), W(A::Utf16));
        abgewiesen("unbekannter Zeichensatz",
                   QByteArray("BEGIN:VCARD\r\nVERSION:2.1\r\nFN;CHARSET=KOI8-R:\xeb\xc1\xd4\xd1\r\nBDAY:19900101\r\nEND:VCARD\r\n"),
                   W(A::ZeichensatzUnbekannt).beiKarte(1).mitWert("KOI8-R"));
        abgewiesen("UTF-8 mit einem Byte aus Windows-1252",
                   QByteArray("Name;Geburtstag\r\nJ\xc3\xbcrgen;01.01.1990\r\nJ\xfcrgen;02.01.1990\r\n"), W(A::GemischteKodierung).inZeile(3));
        abgewiesen("vCard-Werte ohne CHARSET gemischt",
                   anna + "N:J\xc3\xbcrgen\r\nEND:VCARD\r\n" + anna + "N;ENCODING=QUOTED-PRINTABLE:M=FCller\r\nEND:VCARD\r\n",
                   W(A::GemischteKodierung).inZeile(11));
        abgewiesen("weder UTF-8 noch Windows-1252",
                   QByteArray("Name;Geburtstag\r\nAnna\x81;01.01.1990\r\n"), W(A::UnbekannteKodierung));
        abgewiesen("Anführungszeichen offen", QByteArray("Name,Geburtstag\r\n\"Anna,01.01.1990\r\n"), W(A::AnfuehrungOffen).inZeile(2));
        abgewiesen("Tabelle ohne Datum", QByteArray("Name,Telefon\r\nAnna,123\r\n"), W(A::KeineDatumsspalte));
        abgewiesen("Tabelle ohne Namen", QByteArray("Telefon;Geburtstag\r\n123;01.01.1990\r\n"), W(A::KeineNamensspalte));
        abgewiesen("1 GB", QByteArray(), W(A::ZuGross).mitGroesse(qint64(1) << 30));
        // clang-format on
    }

    // A probe reports what the import then does, and writes nothing; the import takes what the
    // rules admit and names each record it skips. A file refused as a whole writes nothing, and the
    // tool says why.
    void einlesen()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(QStringList, saetze);
        QFETCH(QStringList, bericht);
        QFETCH(int, status);
        QFETCH(QString, probe);
        QFETCH(QString, abweisung);
        Testdatenbank db;
        const QString datei = db.ordner() + QStringLiteral("/eingabe");
        QVERIFY(schreiben(datei, inhalt));
        if (QTest::currentDataTag() == QLatin1String("1 GB"))
            QVERIFY(QFile::resize(datei, qint64(1) << 30)); // sparse: takes no room
        db.hinzufuegen({{"Max Eiche", 5, 5, 1970}});
        if (status == 4)
            werkzeug({"import", datei}, db.ordner());
        const QStringList vorher = db.saetze();
        const QByteArray vorherInhalt = dateiinhalt(db.pfad());

        const Lauf probelauf = werkzeug({"import", "--probe", datei}, db.ordner());
        QCOMPARE(dateiinhalt(db.pfad()), vorherInhalt);
        const Lauf lauf = werkzeug({"import", datei}, db.ordner());
        QCOMPARE(lauf.status, status);
        QCOMPARE(probelauf.status, status);
        QCOMPARE(probelauf.ausgabe.section(u'\n', 0, -3), lauf.ausgabe.section(u'\n', 0, -3));
        if (!probe.isEmpty())
            QCOMPARE(probelauf.ausgabe.section(u'\n', -2, -2), probe.replace("daten.mdb", db.pfad()));
        QCOMPARE(db.saetze(), vorher + saetze);
        if (!bericht.isEmpty())
            QCOMPARE(lauf.ausgabe.split(u'\n', Qt::SkipEmptyParts), bericht.replaceInStrings("daten.mdb", db.pfad()));
        QCOMPARE(lauf.fehler,
                 abweisung.isEmpty() ? QString()
                                     : QStringLiteral("„%1“ wird nicht übernommen: %2\n").arg(datei, abweisung));
        if (abweisung.isEmpty())
            return;
        QCOMPARE(lauf.ausgabe, QString());
        QCOMPARE(dateiinhalt(db.pfad()), vorherInhalt);
    }

    void allesOderNichts_data()
    {
        QTest::addColumn<bool>("voll");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("Datenträger voll") << true << "Datenträger";
        QTest::newRow("anderes Programm liest") << false << "anderen Programm";
    }

    // A failure after the first records were written leaves the file as it was: the same
    // records, the same size, sound. (The restored pages are encrypted anew, so the bytes differ.)
    void allesOderNichts()
    {
        QFETCH(bool, voll);
        QFETCH(QString, meldung);
        Testdatenbank db;
        db.hinzufuegen({{"Max Eiche", 5, 5, 1970}});
        QByteArray karten;
        for (int i = 0; i < 3000; ++i)
            karten += "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Person " + QByteArray::number(i)
                + " mit einem recht langen Namen\r\nBDAY:1990-01-01\r\nEND:VCARD\r\n";
        const QString datei = db.ordner() + QStringLiteral("/karten.vcf");
        QVERIFY(schreiben(datei, karten));
        const qint64 groesse = QFileInfo(db.pfad()).size();

        Lauf lauf;
        if (voll) {
            lauf = werkzeugMitGrenze(groesse + 65536, {"import", datei}, db.ordner());
        } else {
            // A reader's open transaction keeps the import from committing what it has written.
            Fremdzugriff leser(db.pfad());
            QCOMPARE(leser.sql(QStringLiteral("BEGIN; SELECT count(*) FROM Gedenkbuch;")), QString());
            lauf = werkzeug({"import", datei}, db.ordner());
            leser.sql(QStringLiteral("COMMIT"));
        }
        QCOMPARE(lauf.status, 1);
        QVERIFY2(lauf.fehler.contains(meldung) && lauf.fehler.contains(QStringLiteral("Es wurde nichts übernommen.")),
                 qPrintable(lauf.fehler));
        QCOMPARE(db.saetze(), QStringList({"Max Eiche|5|5|1970|-"}));
        QCOMPARE(QFileInfo(db.pfad()).size(), groesse);
        QCOMPARE(Fremdzugriff(db.pfad()).wert(QStringLiteral("PRAGMA integrity_check")), QStringLiteral("ok"));
        QVERIFY(!QFile::exists(db.pfad() + QStringLiteral("-journal")));
    }

    // Exported as CSV and imported into an empty file: the same entries, in calendar order, also
    // those a spreadsheet would take for formulas. What the program never shows is left out and
    // counted; an existing file is not overwritten.
    void rundreiseCsv()
    {
        QTemporaryDir ablage;
        const QString csv = ablage.filePath(QStringLiteral("rundreise.csv"));
        {
            Testdatenbank db;
            mitSchwierigen(db).hinzufuegen(
                {{"=1+2", 1, 1, std::nullopt, "@SUMME(A1)"}, {"''-3", 2, 1, 1990, "\t+Tab"}});
            const Lauf lauf = werkzeug({"export", "--format", "csv", "--datei", csv}, db.ordner());
            QCOMPARE(lauf.status, 0);
            QCOMPARE(lauf.fehler,
                     QStringLiteral("Nicht ausgegeben: 3 Datensätze ohne Bezeichnung, Tag oder Monat und "
                                    "1 Eintrag mit einem Tag, den es im Monat nie gibt.\n"));
            const QByteArray geschrieben = dateiinhalt(csv);
            QVERIFY(geschrieben.startsWith("Bezeichnung,tag,monat,jahr,Bemerkungen\r\n'=1+2,1,1,,'@SUMME(A1)\r\n"
                                           "Anna[2JBerg,1,1,,\"a\nb\tc\"\r\n'''-3,2,1,1990,'\t+Tab\r\n"));
            const Lauf nochmal = werkzeug({"export", "--format", "csv", "--datei", csv}, db.ordner());
            QCOMPARE(nochmal.status, 1);
            QCOMPARE(dateiinhalt(csv), geschrieben);
        }
        Testdatenbank leer;
        const Lauf lauf = werkzeug({"import", csv}, leer.ordner());
        QCOMPARE(lauf.ausgabe, "10 Einträge in " + leer.pfad() + " übernommen, 0 übersprungen.\n");
        QCOMPARE(leer.saetze(),
                 QStringList({"=1+2|1|1|-|@SUMME(A1)", "Anna[2JBerg|1|1|-|a\nb\tc", "''-3|2|1|1990|\t+Tab",
                              "Bert, der Zweite|29|2|-|Zeile 1\nZeile 2", "Carla; Dora|29|2|1988|-",
                              "Schaltfehler|29|2|2023|-", "Riesenjahr|3|3|-|-", "Zukunft|3|3|2090|-",
                              "Anna \"Ännchen\" Berg|15|4|1996|Blumen; Kuchen, Kaffee\nund \"Sekt\"",
                              "Geburtstag 🎂|31|12|1|🎈"}));
    }

    // A calendar lists each event on the days the program's day lists show, 29 February in leap
    // years only; the events start in the entry's year where a calendar can count from it. What
    // another program stored goes out without control characters, and a NUL cuts nothing.
    void kalender()
    {
        Testdatenbank db;
        mitSchwierigen(db);
        const Lauf lauf = werkzeug({"export", "--format", "ics"}, db.ordner());
        QCOMPARE(lauf.status, 0);
        auto s = db.oeffnen();
        store::Cursor cursor(*s);
        const QList<core::Eintrag> eintraege = core::Eintragsbuch(*s, cursor).alle().eintraege;
        const QStringList tage = kalendertage(lauf.ausgabe.toUtf8());
        QCOMPARE(tage, programmtage(eintraege));
        QVERIFY(tage.contains(QStringLiteral("2028-02-29 Schaltfehler"))
                && !tage.contains(QStringLiteral("2029-03-01 Schaltfehler")));

        QCOMPARE(werte(lauf.ausgabe, QStringLiteral("DTSTART;VALUE=DATE")),
                 QStringList(
                     {"20000101", "20000229", "19880229", "20000229", "20000303", "20000303", "19960415", "00011231"}));
        QCOMPARE(werte(lauf.ausgabe, QStringLiteral("DESCRIPTION")).constFirst(), QStringLiteral("a\\nb\tc"));
        const QStringList uids = werte(lauf.ausgabe, QStringLiteral("UID"));
        QCOMPARE(QSet<QString>(uids.begin(), uids.end()).size(), 8);
        db.hinzufuegen({{"Neu", 31, 12}});
        QCOMPARE(werte(werkzeug({"export", "--format", "ics"}, db.ordner()).ausgabe, QStringLiteral("UID"))
                     .first(uids.size()),
                 uids);
    }

    // A backup taken while another program writes is one consistent state of the file, for its owner
    // only, and is never written over. A damaged file checks as damaged.
    void sichernUndPruefen()
    {
        Testdatenbank db;
        const QString schreibe = QStringLiteral("INSERT INTO Gedenkbuch (Bezeichnung, tag, monat) "
                                                "SELECT 'E' || (count(*) + 1), 1, 1 FROM Gedenkbuch");
        Fremdzugriff(db.pfad()).sql(
            QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3000) "
                           "INSERT INTO Gedenkbuch (Bezeichnung, tag, monat) SELECT 'E' || i, 1, 1 FROM n"));
        std::atomic<bool> weiter = true;
        std::atomic<int> geschrieben = 0;
        std::thread schreiber([&] {
            Fremdzugriff anderes(db.pfad());
            while (weiter) {
                geschrieben += anderes.sql(schreibe).isEmpty() ? 1 : 0;
                std::this_thread::sleep_for(std::chrono::milliseconds(2)); // a program, not a flood
            }
        });
        QDir(db.ordner()).mkdir(QStringLiteral("kopie"));
        const Lauf lauf = werkzeug({"sichern", "kopie/daten.mdb"}, db.ordner());
        weiter = false;
        schreiber.join();
        QVERIFY2(lauf.status == 0, qPrintable(lauf.fehler));
        QVERIFY(geschrieben > 0);

        const QString kopie = db.ordner() + QStringLiteral("/kopie/daten.mdb");
        QVERIFY(QFile::permissions(kopie)
                == (QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser));
        const QString anzahl = Fremdzugriff(kopie).wert(QStringLiteral("SELECT count(*) FROM Gedenkbuch"));
        QCOMPARE(Fremdzugriff(kopie).wert(
                     QStringLiteral("SELECT max(CAST(substr(Bezeichnung, 2) AS INTEGER)) FROM Gedenkbuch")),
                 anzahl);
        const QByteArray gesichert = dateiinhalt(kopie);
        QCOMPARE(werkzeug({"sichern", "kopie/daten.mdb"}, db.ordner()).status, 1);
        QCOMPARE(dateiinhalt(kopie), gesichert);

        QVERIFY(beschaedigen(kopie));
        const Lauf beschaedigt = werkzeug({"--ordner", "kopie", "pruefen"}, db.ordner());
        QCOMPARE(beschaedigt.status, 5);
        QVERIFY2(beschaedigt.fehler.contains(QStringLiteral("beschädigt")), qPrintable(beschaedigt.fehler));
        // The rescue: what can still be read is exported, and the export says it is not all.
        const Lauf gerettet = werkzeug({"--ordner", "kopie", "export", "--format", "csv"}, db.ordner());
        const qsizetype zeilen = gerettet.ausgabe.count(u'\n') - 1;
        QVERIFY2(gerettet.status == 1 && zeilen > anzahl.toInt() / 2 && zeilen < anzahl.toInt(),
                 qPrintable(QString::number(zeilen)));
        QVERIFY2(gerettet.fehler.endsWith(QStringLiteral("ist beschädigt. Ausgegeben ist nur, was noch lesbar war.\n")),
                 qPrintable(gerettet.fehler));
        // A calendar on paper would hide the gaps: such a book is not printed.
        const Lauf gedruckt = werkzeug({"--ordner", "kopie", "drucken", "--datei", "k.pdf"}, db.ordner());
        QVERIFY2(gedruckt.status == 1
                     && gedruckt.fehler.startsWith(QStringLiteral("Die Datei kopie/daten.mdb ist beschädigt."))
                     && gedruckt.fehler.endsWith(QStringLiteral("Es wurde keine Datei angelegt.\n")),
                 qPrintable(gedruckt.fehler));
        QVERIFY(!QFileInfo::exists(db.ordner() + QStringLiteral("/k.pdf")));
    }

    void druckEintrag_data()
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
    void druckEintrag()
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext fehlt (Debian: poppler-utils; make test installiert es).");
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

    void druckZuViele_data()
    {
        QTest::addColumn<QStringList>("art");
        QTest::newRow("Jahresübersicht") << QStringList{"--jahr", "2026"};
        QTest::newRow("immerwährend") << QStringList{"--ewig"};
    }

    // A day with more entries than its field holds names as many as fit and counts the rest; what
    // the program never shows is counted on standard error.
    void druckZuViele()
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext fehlt (Debian: poppler-utils; make test installiert es).");
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
    void druckDatentraegerVoll()
    {
        Testdatenbank db;
        const Lauf lauf = werkzeugMitGrenze(8 * 1024, {"drucken", "--datei", "k.pdf"}, db.ordner());
        QCOMPARE(QString::number(lauf.status) + u' ' + lauf.ausgabe + lauf.fehler,
                 "1 Die Datei k.pdf konnte nicht geschrieben werden: Die Datei würde größer, als das System erlaubt.\n"
                 "Es wurde keine Datei angelegt.\n");
        QCOMPARE(QDir(db.ordner()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot), {"daten.mdb"});
    }
};

QTEST_GUILESS_MAIN(TestAustausch)
#include "tst_austausch.moc"
