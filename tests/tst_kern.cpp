// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "datenbank.h"
#include "werkzeug.h"

#include "core/anzeigezeile.h"
#include "core/durchlauf.h"
#include "core/kalenderfolge.h"
#include "core/steuerzeichen.h"
#include "core/tage.h"
#include "core/zahlen.h"
#include "exchange/eingabe.h"
#include "exchange/texte.h"
#include "store/cursor.h"
#include "store/storeerror.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTest>
#include <cerrno>
#include <limits>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using Art = store::StoreError::Art;

namespace {

// The kind of StoreError an action raises, -1 for none; `angaben` gets its details.
int fehler(const std::function<void()>& aktion, store::StoreError::Angaben* angaben = nullptr)
{
    try {
        aktion();
    } catch (const store::StoreError& e) {
        if (angaben)
            *angaben = e.angaben();
        return int(e.art());
    }
    return -1;
}

// The kind of StoreError opening a file without read permission gives. Root may read anything, so
// as root the attempt runs in a child process that has become an ordinary user.
int alsAndererNutzer(const QString& ordner, const QString& pfad)
{
    ::chmod(QFile::encodeName(pfad).constData(), 0);
    ::chmod(QFile::encodeName(ordner).constData(), 0711);
    if (::geteuid() != 0)
        return fehler([&] { store::Store::open(pfad); });
    const pid_t kind = ::fork();
    if (kind == 0)
        ::_exit(::setuid(65534) == 0 ? fehler([&] { store::Store::open(pfad); }) : 255);
    int status = 0;
    ::waitpid(kind, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
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
        QTest::newRow("Leerraum mitten in der Zahl") << " 1\t2\n3" << 123.0 << 123;
        QTest::newRow("keine Zahl") << "abc" << 0.0 << 0;
        QTest::newRow("halb zur geraden Zahl darunter") << ".5x" << 0.5 << 0;
        QTest::newRow("halb zur geraden Zahl darüber") << "-15E-1" << -1.5 << -2;
        QTest::newRow("Exponent") << "1e3" << 1000.0 << 1000;
        QTest::newRow("Exponent ohne Ziffern") << "2e" << 2.0 << 2;
        QTest::newRow("zweiter Punkt beendet") << "1.2.3" << 1.2 << 1;
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
        QList<core::Zeile> liste;
        for (int i = 0; i < 600; ++i) {
            const auto jahr = zufall.bounded(3) ? std::optional<qint16>() : qint16(2026 - zufall.bounded(1, 4));
            liste.append(core::listenzeile({i,
                                            namen.at(zufall.bounded(int(namen.size()))),
                                            qint16(zufall.bounded(1, 4)),
                                            qint16(zufall.bounded(1, 4)),
                                            jahr,
                                            {}},
                                           2026));
        }
        QList<core::Zeile> ganz = liste;
        QCollator collator{QLocale(QLocale::German, QLocale::Germany)};
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        std::stable_sort(ganz.begin(), ganz.end(), [&](const core::Zeile& a, const core::Zeile& b) {
            return collator.compare(a.text, b.text) < 0;
        });
        core::kalenderfolge(liste);
        QCOMPARE(liste, ganz);
    }

    void naechsterJahrestag_data()
    {
        QTest::addColumn<QDate>("heute");
        QTest::addColumn<QList<int>>("daten"); // month * 100 + day of each line of the full list
        QTest::addColumn<int>("treffer");
        const QDate juni(2026, 6, 10), weihnachten(2026, 12, 25);
        QTest::newRow("Februar nach dem Fenster") << juni << QList<int>{201, 612} << 0;
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

    void fehlertexte_data()
    {
        // clang-format off
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("erwartet");
        using E = store::StoreError;
        using A = E::Art;
        using V = E::Vorgang;
        using W = exchange::Abweisung;
        const QString p = QStringLiteral("d/daten.mdb");
        const auto s = [](const char* zeile, const E& e, const char* erwartet) { QTest::newRow(zeile) << core::meldung(e) << QString::fromUtf8(erwartet); };
        s("DateiFehlt", E(A::DateiFehlt, p), "Die Datei d/daten.mdb gibt es nicht.");
        s("KeineDatei", E(A::KeineDatei, p), "Unter dem Namen d/daten.mdb liegt ein Ordner und keine Datei.");
        s("NichtLesbar", E(A::NichtLesbar, p), "Die Datei d/daten.mdb darf nicht gelesen werden; es fehlt die Berechtigung.");
        s("LeereDatei", E(A::LeereDatei, p), "Die Datei d/daten.mdb ist leer und damit keine Datenbank dieses Programms.");
        s("KeineDatenbank", E(A::KeineDatenbank, p), "Die Datei d/daten.mdb ist keine Datenbank dieses Programms, oder sie ist mit einem anderen Kennwort geschützt.");
        s("OhneVerschluesselung", E(A::OhneVerschluesselung, p), "Die Verschlüsselung der Datenbank steht nicht zur Verfügung.");
        s("Beschaedigt beim Sichern", E(A::Beschaedigt, p).beim(V::Sichern), "Die Datei d/daten.mdb ist beschädigt; eine Sicherung lässt sich von ihr nicht anlegen.");
        s("Beschaedigt in der Kopie", E(A::Beschaedigt, p).beim(V::KopiePruefen), "Die Datei d/daten.mdb ist beschädigt; die Prüfung der Kopie fand Fehler, und eine Sicherung wurde nicht angelegt.");
        QTest::newRow("anderes ohne Rat") << core::fehlertext(E(A::Lesefehler, p)) << "Die Datei d/daten.mdb konnte nicht gelesen werden.";
        s("TabelleFehlt", E(A::TabelleFehlt, p).mitFeld("jahr"), "Die Datei d/daten.mdb enthält keine Tabelle Gedenkbuch mit dem Feld jahr.");
        s("FalscheForm Sicht", E(A::FalscheForm, p).mitForm(E::Form::Sicht), "Die Tabelle Gedenkbuch in der Datei d/daten.mdb ist eine Sicht und keine Tabelle. Mit einer solchen Tabelle kann das Programm nicht arbeiten.");
        s("FalscheForm ohne Nummern", E(A::FalscheForm, p).mitForm(E::Form::OhneNummern), "Die Tabelle Gedenkbuch in der Datei d/daten.mdb ist ohne Nummern für ihre Einträge angelegt (WITHOUT ROWID). Mit einer solchen Tabelle kann das Programm nicht arbeiten.");
        s("FalscheForm rowid", E(A::FalscheForm, p).mitForm(E::Form::NummernVerdeckt), "Die Tabelle Gedenkbuch in der Datei d/daten.mdb hat ein eigenes Feld rowid, das die Nummern der Einträge verdeckt. Mit einer solchen Tabelle kann das Programm nicht arbeiten.");
        s("FalscheWertart", E(A::FalscheWertart).mitFeld("tag", "double"), "Das Feld tag nimmt keinen Wert der Art „double“ auf.");
        s("KeineBearbeitung Feld", E(A::KeineBearbeitung).beim(V::FeldSchreiben), "Ein Feld kann nur nach AddNew oder Edit geschrieben werden.");
        s("KeineBearbeitung Speichern", E(A::KeineBearbeitung).beim(V::Speichern), "Es gibt keinen neuen oder geänderten Datensatz zu speichern.");
        s("HalbeAenderung", E(A::HalbeAenderung, p), "Die Datei d/daten.mdb ist schreibgeschützt. Ein Programm, das sie beim Schreiben abgebrochen hat, hinterließ eine halbe Änderung, die erst zurückgenommen werden muss. Heben Sie den Schreibschutz auf und versuchen Sie es noch einmal.");
        s("Ersetzt", E(A::Ersetzt, p), "Die Datei d/daten.mdb wurde gelöscht, verschoben oder ersetzt, während das Programm lief. Die Änderung wurde nicht gespeichert. Bitte starten Sie das Programm neu.");
        s("DatentraegerVoll", E(A::DatentraegerVoll, p), "Der Datenträger ist voll. Die Änderung wurde nicht gespeichert.");
        s("Schreibfehler", E(A::Schreibfehler, p), "Die Datei d/daten.mdb konnte nicht geschrieben werden. Vielleicht ist der Datenträger voll. Die Änderung wurde nicht gespeichert.");
        s("Schreibfehler beim Sichern", E(A::Schreibfehler, p).beim(V::Sichern), "Die Sicherung konnte nicht geschrieben werden. Vielleicht ist der Datenträger voll.");
        s("NichtGeoeffnet", E(A::NichtGeoeffnet, p), "Die Datei d/daten.mdb konnte nicht geöffnet werden.");
        s("Vorhanden Ordner", E(A::Vorhanden, p).mitGegenstand(E::Gegenstand::Ordner), "Unter dem Namen d/daten.mdb liegt schon ein Ordner.");
        s("Vorhanden Verknüpfung", E(A::Vorhanden, p).mitGegenstand(E::Gegenstand::Verknuepfung), "Unter dem Namen d/daten.mdb liegt schon eine Verknüpfung. Sie wird nicht überschrieben.");
        s("Vorhanden seit eben", E(A::Vorhanden, p).mitGegenstand(E::Gegenstand::Unbestimmt), "Die Datei d/daten.mdb existiert schon.");
        s("NichtAngelegt", E(A::NichtAngelegt, p).mitSystemfehler(ENOSPC), "Die Datei d/daten.mdb kann nicht angelegt werden: Der Datenträger ist voll.");
        s("NichtGeschrieben", E(A::NichtGeschrieben, p).mitSystemfehler(EDQUOT), "Die Datei d/daten.mdb konnte nicht geschrieben werden: Der zugeteilte Speicherplatz ist erschöpft.");
        s("unbekannter Systemfehler", E(A::NichtAngelegt, p).mitSystemfehler(4711), "Die Datei d/daten.mdb kann nicht angelegt werden: Das System meldet den Fehler 4711.");
        s("Datenbankfehler", E(A::Datenbankfehler, p).beim(V::Ausfuehren, "COMMIT").mitCode(1), "Die Datenbank meldet beim Ausführen von „COMMIT“ den Fehler 1.");
        s("Datenbankfehler beim Öffnen", E(A::Datenbankfehler, p).beim(V::Oeffnen).mitCode(21), "Die Datenbank meldet beim Öffnen der Datei den Fehler 21.");
        QTest::newRow("Ausgabe") << core::systemfehler(EPIPE) << "Das Programm, das die Ausgabe lesen sollte, liest nicht mehr";

        const auto w = [](const char* zeile, const W& a, const char* erwartet) { QTest::newRow(zeile) << exchange::meldung(a) << QString::fromUtf8(erwartet); };
        w("DateiFehlt", W(W::Art::DateiFehlt), "Die Datei gibt es nicht.");
        w("KeineDatei", W(W::Art::KeineDatei), "Das ist keine Datei.");
        w("ZuGross", W(W::Art::ZuGross).mitGroesse((qint64(64) << 20) + 1), "Die Datei ist 65 MB groß; gelesen werden Dateien bis 64 MB.");
        w("Unlesbar", W(W::Art::Unlesbar).mitWert("Permission denied"), "Die Datei kann nicht gelesen werden: Permission denied.");
        w("Gewachsen", W(W::Art::Gewachsen), "Die Datei ist größer als 64 MB.");
        w("Utf16", W(W::Art::Utf16), "Die Datei ist in UTF-16 geschrieben, einer Kodierung, die hier nicht gelesen wird. Speichern Sie sie als UTF-8.");
        w("KeinText", W(W::Art::KeinText), "Die Datei ist keine Textdatei; sie enthält Steuerzeichen, wie sie in Programmen und Bildern vorkommen.");
        w("Leer", W(W::Art::Leer), "Die Datei ist leer.");
        w("UnbekannteKodierung", W(W::Art::UnbekannteKodierung), "Die Datei ist in einer unbekannten Kodierung geschrieben (weder UTF-8 noch Windows-1252).");
        w("GemischteKodierung", W(W::Art::GemischteKodierung).inZeile(3), "Die Datei mischt zwei Kodierungen: Sie enthält UTF-8, aber in Zeile 3 stehen Zeichen, die kein UTF-8 sind. Speichern Sie die Datei ganz als UTF-8.");
        w("KeineNamensspalte", W(W::Art::KeineNamensspalte), "Die erste Zeile nennt keine Spalte für den Namen. Erwartet wird eine vCard-Datei oder eine CSV-Datei, deren erste Zeile die Spalten benennt, etwa „Bezeichnung,tag,monat,jahr,Bemerkungen“ oder „Name;Geburtstag;Notizen“.");
        w("KeineDatumsspalte", W(W::Art::KeineDatumsspalte), "Die erste Zeile nennt keine Spalte für das Datum. Erwartet wird eine vCard-Datei oder eine CSV-Datei, deren erste Zeile die Spalten benennt, etwa „Bezeichnung,tag,monat,jahr,Bemerkungen“ oder „Name;Geburtstag;Notizen“.");
        w("AnfuehrungOffen", W(W::Art::AnfuehrungOffen).inZeile(2), "Zeile 2: Ein Feld in Anführungszeichen wird nie geschlossen; die Datei ist wohl unvollständig.");
        w("KodierungUnbekannt", W(W::Art::KodierungUnbekannt).beiKarte(2).mitWert("X-UU"), "Karte 2 verwendet die unbekannte Kodierung „X-UU“ (bekannt sind QUOTED-PRINTABLE und BASE64).");
        w("ZeichensatzUnbekannt", W(W::Art::ZeichensatzUnbekannt).beiKarte(1).mitWert("KOI8-R"), "Karte 1 ist im Zeichensatz „KOI8-R“ geschrieben, den das Programm nicht kennt (bekannt sind UTF-8, Windows-1252 und ISO-8859-1).");
        w("KarteUnlesbar", W(W::Art::KarteUnlesbar).beiKarte(4), "Karte 4 enthält Zeichen in einer unbekannten Kodierung (weder UTF-8 noch Windows-1252).");
        w("KarteUnvollstaendig", W(W::Art::KarteUnvollstaendig).beiKarte(1).inZeile(5), "Karte 1 ist unvollständig: ihr fehlt END:VCARD, und in Zeile 5 beginnt schon die nächste Karte.");
        w("EndeOhneBeginn", W(W::Art::EndeOhneBeginn).inZeile(7), "Zeile 7: END:VCARD ohne vorangehendes BEGIN:VCARD.");
        w("AusserhalbKarte", W(W::Art::AusserhalbKarte).inZeile(6), "Zeile 6 steht außerhalb einer Karte (BEGIN:VCARD bis END:VCARD).");
        w("EndetInKarte", W(W::Art::EndetInKarte).beiKarte(1), "Die Datei endet mitten in Karte 1 (END:VCARD fehlt); sie ist wohl unvollständig.");

        // A reason as the report's line gives it; the import's reports show every other reason.
        const exchange::Auslassung frueher{9, "Lena", exchange::Grund::SchonInDatei, {}, {}, {}, 0, 0, 3};
        QTest::newRow("SchonInDatei Zeile") << exchange::beschreibung(exchange::Gelesen::Quelle::Zeile, frueher) << "Zeile 9 („Lena“): diese Bezeichnung kam schon in Zeile 3 vor";
        // clang-format on
    }

    // Every kind of failure, of the store and of the import, in the words the user reads.
    void fehlertexte()
    {
        QFETCH(QString, text);
        QFETCH(QString, erwartet);
        QCOMPARE(text, erwartet);
    }

    void unoeffnbareDatei_data()
    {
        // clang-format off
        QTest::addColumn<QString>("inhalt"); // what lies at daten.mdb: SQL is run on a new file
        QTest::addColumn<int>("art");
        QTest::addColumn<QString>("detail"); // the missing field, or the form of the table
        // The check's status: 5 for every file that is no database of the program. Not asked under the
        // lock: reading the file in this process drops its locks for every other process.
        QTest::addColumn<int>("pruefen");
        const QString tabelle = QStringLiteral("CREATE TABLE Gedenkbuch (Bezeichnung TEXT, tag INTEGER, monat INTEGER, "
                                               "jahr INTEGER, Bemerkungen TEXT); INSERT INTO Gedenkbuch VALUES ('Anna', 1, 2, 1990, NULL);");
        const QString form = QStringLiteral("Form %1");
        QTest::newRow("fehlt") << "fehlt" << int(Art::DateiFehlt) << "" << 1;
        QTest::newRow("leer") << "leer" << int(Art::LeereDatei) << "" << 5;
        QTest::newRow("Ordner") << "Ordner" << int(Art::KeineDatei) << "" << 5;
        QTest::newRow("nicht lesbar") << "unlesbar" << int(Art::NichtLesbar) << "" << 1;
        QTest::newRow("unverschlüsseltes SQLite") << "ohne Kennwort:" + tabelle << int(Art::KeineDatenbank) << "" << 5;
        QTest::newRow("anderes Kennwort") << "eiche:" + tabelle << int(Art::KeineDatenbank) << "" << 5;
        QTest::newRow("ohne Tabelle") << "CREATE TABLE Andere (x INTEGER)" << int(Art::TabelleFehlt) << "Bezeichnung" << 5;
        QTest::newRow("ohne Feld jahr") << "CREATE TABLE Gedenkbuch (Bezeichnung, tag, monat, Bemerkungen)" << int(Art::TabelleFehlt) << "jahr" << 5;
        QTest::newRow("Sicht") << "CREATE TABLE T (Bezeichnung, tag, monat, jahr, Bemerkungen); CREATE VIEW Gedenkbuch AS SELECT * FROM T"
                               << int(Art::FalscheForm) << form.arg(int(store::StoreError::Form::Sicht)) << 5;
        QTest::newRow("WITHOUT ROWID") << "CREATE TABLE Gedenkbuch (Bezeichnung PRIMARY KEY, tag, monat, jahr, Bemerkungen) WITHOUT ROWID"
                                       << int(Art::FalscheForm) << form.arg(int(store::StoreError::Form::OhneNummern)) << 5;
        QTest::newRow("Feld rowid") << "CREATE TABLE Gedenkbuch (rowid, Bezeichnung, tag, monat, jahr, Bemerkungen)" << int(Art::FalscheForm)
                                    << form.arg(int(store::StoreError::Form::NummernVerdeckt)) << 5;
        QTest::newRow("gesperrt") << "Sperre:" + tabelle << int(Art::Gesperrt) << "" << -1;
        // clang-format on
    }

    // Opening says why it fails, and never creates or changes a file: whatever lies there stays
    // byte for byte. Under another program's lock it waits first.
    void unoeffnbareDatei()
    {
        QFETCH(QString, inhalt);
        QFETCH(int, art);
        QFETCH(QString, detail);
        QFETCH(int, pruefen);
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(QStringLiteral("daten.mdb"));
        std::optional<Fremdzugriff> sperre;
        if (inhalt == QLatin1String("leer") || inhalt == QLatin1String("unlesbar"))
            schreiben(pfad, inhalt == QLatin1String("leer") ? "" : "x");
        else if (inhalt == QLatin1String("Ordner"))
            QDir(ordner.path()).mkdir(QStringLiteral("daten.mdb"));
        else if (inhalt != QLatin1String("fehlt")) {
            const QString schluessel = inhalt.contains(u':') ? inhalt.section(u':', 0, 0) : QString();
            sperre.emplace(pfad,
                           schluessel == QLatin1String("ohne Kennwort") ? nullptr
                               : schluessel == QLatin1String("eiche")   ? "eiche"
                                                                        : GEDENKBUCH_KENNWORT);
            QCOMPARE(sperre->sql(inhalt.section(u':', schluessel.isEmpty() ? 0 : 1)), QString());
            if (schluessel == QLatin1String("Sperre"))
                QCOMPARE(sperre->sql(QStringLiteral("BEGIN EXCLUSIVE; DELETE FROM Gedenkbuch")), QString());
            else
                sperre.reset();
        }
        const QByteArray vorher = dateiinhalt(pfad);
        const QStringList dateienVorher = QDir(ordner.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);

        store::StoreError::Angaben a;
        const int ist = inhalt == QLatin1String("unlesbar") ? alsAndererNutzer(ordner.path(), pfad)
                                                            : fehler([&] { store::Store::open(pfad); }, &a);
        QCOMPARE(ist, art);
        if (inhalt != QLatin1String("unlesbar")) {
            QCOMPARE(a.pfad, pfad);
            QCOMPARE(art == int(Art::FalscheForm) ? QStringLiteral("Form %1").arg(int(a.form)) : a.feld, detail);
            if (pruefen >= 0)
                QCOMPARE(werkzeug({QStringLiteral("pruefen")}, ordner.path()).status, pruefen);
        }
        QCOMPARE(dateiinhalt(pfad), vorher);
        QCOMPARE(QDir(ordner.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), dateienVorher);
    }

    // The tool makes a real SQLCipher database, which the standard shell reads with the key and
    // only then; asked again, it refuses and leaves the file as it is.
    void datenwerkzeug()
    {
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(QStringLiteral("daten.mdb"));
        QCOMPARE(werkzeug({QStringLiteral("neu")}, ordner.path()).status, 0);
        const QByteArray neu = dateiinhalt(pfad);
        const Lauf nochmal = werkzeug({QStringLiteral("neu")}, ordner.path());
        QCOMPARE(QString::number(nochmal.status) + u' ' + nochmal.fehler,
                 QStringLiteral("1 Die Datei daten.mdb existiert schon. Sie wird nicht überschrieben.\n"));
        QCOMPARE(dateiinhalt(pfad), neu);
        const QString shell = QStandardPaths::findExecutable(QStringLiteral("sqlcipher"));
        if (shell.isEmpty())
            QSKIP("Die sqlcipher-Shell ist nicht installiert (make test installiert sie).");
        const auto sql = [&](const QString& befehle, bool mitKennwort = true) {
            const QStringList schluessel = {"-cmd", "PRAGMA key='" GEDENKBUCH_KENNWORT "';"};
            return starten(shell, (mitKennwort ? schluessel : QStringList()) + QStringList{"daten.mdb", befehle},
                           ordner.path());
        };
        QCOMPARE(sql("INSERT INTO Gedenkbuch VALUES ('Tante Quirina', 3, 4, 1950, NULL);").status, 0);
        QCOMPARE(sql("SELECT * FROM Gedenkbuch;").ausgabe, QStringLiteral("Tante Quirina|3|4|1950|\n"));
        const Lauf ohne = sql("SELECT * FROM Gedenkbuch;", false);
        QVERIFY(ohne.status != 0 && !ohne.ausgabe.contains(QStringLiteral("Quirina")));
        QVERIFY(!dateiinhalt(pfad).contains("Quirina"));
    }
};

QTEST_GUILESS_MAIN(TestKern)
#include "tst_kern.moc"
