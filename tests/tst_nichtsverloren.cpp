#include "schreibfolge.h"
#include "testhilfen.h"

#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QDir>
#include <QFileInfo>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>
#include <QThread>

#include <csignal>
#include <sys/resource.h>

namespace {

const QString schreibhelfer = QStringLiteral(GEDENKBUCH_SCHREIBHELFER);

QString integritaet(store::Store& s)
{
    store::Statement pruefung(s.handle(), "PRAGMA integrity_check");
    pruefung.step();
    const QString ergebnis = pruefung.column(0).toString();
    pruefung.reset();
    return ergebnis;
}

// Waits up to 20 s (a sanitized build starts slowly) for the helper to print `wort`.
bool warteAuf(QProcess& prozess, const QByteArray& wort)
{
    QElapsedTimer uhr;
    uhr.start();
    while (!prozess.peek(1 << 16).contains(wort)) {
        if (uhr.elapsed() > 20000 || prozess.state() == QProcess::NotRunning)
            return false;
        prozess.waitForReadyRead(200);
    }
    return true;
}

// No text stored through the program shows in the file or in anything SQLite put beside it.
void nichtsImKlartext(const QString& ordner, const QList<QByteArray>& texte)
{
    for (const QFileInfo& datei : QDir(ordner).entryInfoList(QDir::Files)) {
        const QByteArray inhalt = dateiinhalt(datei.filePath());
        for (const QByteArray& text : texte)
            QVERIFY2(!inhalt.contains(text), qPrintable(datei.fileName() + QStringLiteral(": ") + text));
    }
}

} // namespace

class TestNichtsVerloren : public QObject {
    Q_OBJECT
private slots:
    // A read-only file: neither a delete nor a save changes it; each says why, and the dialog keeps
    // its input.
    void schreibgeschuetzt()
    {
        Hauptfensterprobe p(QDate(2026, 6, 10), {{"Anna", 1, 1}}, true);
        const QByteArray vorher = dateiinhalt(p.db.pfad());
        p.voll().waehlen(0);
        p.mausInDieListe();
        p.t.meldungen.antworten(true);
        p.klicken("cmdLoeschen");
        QString nameDanach;
        p.t.dialoge.dann([&](QDialog& dialog) {
            const Eintragsprobe d{dialog};
            d.ausfuellen(QStringLiteral("Bert"), 2, 2, QStringLiteral("1970"));
            d.speichern();
            nameDanach = dialog.isVisible() ? d.name()->text() : QString();
        });
        p.klicken("cmdEintragNeu");

        QStringList titel;
        for (const auto& m : p.t.meldungen.gezeigt)
            titel << m.titel + (m.text.contains(QStringLiteral("schreibgeschützt")) ? QStringLiteral(" (schreibgeschützt)") : QString());
        QCOMPARE(titel, QStringList({"Sicherheitsfrage", "Fehler beim Löschen (schreibgeschützt)",
                                     "Fehler beim Speichern (schreibgeschützt)"}));
        QCOMPARE(nameDanach, QStringLiteral("Bert"));
        QCOMPARE(zeilenVon(p.voll()), QStringList({"01-01 Anna"}));
        QCOMPARE(dateiinhalt(p.db.pfad()), vorher);
    }

    // A writer killed at random moments: every reported operation is in the file, none half.
    void abgebrochenMittenImSchreiben()
    {
        Testdatenbank db;
        QRandomGenerator zufall(20261206);
        Bestand erwartet;
        int naechste = 0, abbrueche = 0, imFlug = 0;
        while (abbrueche < 60) {
            QProcess helfer;
            helfer.start(schreibhelfer, {QStringLiteral("folge"), db.pfad(), QString::number(naechste)});
            QVERIFY(warteAuf(helfer, "ok "));
            QThread::usleep(zufall.bounded(0, 25000));
            ::kill(pid_t(helfer.processId()), SIGKILL);
            QVERIFY(helfer.waitForFinished(10000));
            ++abbrueche;
            for (const QString& zeile : QString::fromUtf8(helfer.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts)) {
                QCOMPARE(zeile, QStringLiteral("ok %1").arg(naechste));
                erwarten(erwartet, naechste++);
            }
            nichtsImKlartext(db.ordner(), {"Bemerkung ", "ge\xc3\xa4ndert "});

            QCOMPARE(integritaet(*db.oeffnen()), QStringLiteral("ok")); // rolls back what was left half done
            const Bestand ist = bestand(db.saetze());
            if (ist != erwartet) {
                // The operation under way when the kill came may have been stored whole.
                erwarten(erwartet, naechste++);
                ++imFlug;
                QVERIFY2(ist == erwartet, qPrintable(QStringLiteral("nach Operation %1").arg(naechste - 1)));
            }
        }
        qInfo("%d Abbrüche, %d Operationen geprüft, %d davon im Augenblick des Abbruchs gespeichert", abbrueche,
              naechste, imFlug);
    }

    // Entries are added through the dialog until the file may not grow any more: the program says
    // so in German, and the file keeps every entry saved before.
    void datentraegerVoll()
    {
        Hauptfensterprobe p(QDate(2026, 6, 10), {{"Anna", 1, 1}});
        std::signal(SIGXFSZ, SIG_IGN); // beyond the limit a write fails instead of ending the process
        const rlimit vorher = [] { rlimit r{}; getrlimit(RLIMIT_FSIZE, &r); return r; }();
        const rlimit grenze{rlim_t(QFileInfo(p.db.pfad()).size() + 40000), vorher.rlim_max};
        setrlimit(RLIMIT_FSIZE, &grenze);
        int gespeichert = 0;
        while (p.t.meldungen.gezeigt.isEmpty() && gespeichert < 200) {
            p.t.dialoge.dann([&](QDialog& dialog) {
                const Eintragsprobe d{dialog};
                d.ausfuellen(QStringLiteral("Voll %1").arg(gespeichert), 1, 1);
                d.bemerkungen()->setPlainText(QString(1500, u'x'));
                d.speichern();
                gespeichert += dialog.isVisible() ? 0 : 1;
            });
            p.klicken("cmdEintragNeu");
        }
        setrlimit(RLIMIT_FSIZE, &vorher);
        std::signal(SIGXFSZ, SIG_DFL);

        QVERIFY(gespeichert > 0);
        QCOMPARE(p.t.meldungen.gezeigt.size(), 1);
        const QString meldung = p.t.meldungen.gezeigt[0].text;
        QVERIFY2(meldung.contains(QStringLiteral("Datenträger")), qPrintable(meldung));
        QCOMPARE(integritaet(*p.db.oeffnen()), QStringLiteral("ok"));
        QCOMPARE(p.db.saetze().size(), 1 + gespeichert);
        qInfo("%d Einträge gespeichert, dann: %s", gespeichert, qPrintable(meldung));
    }

    // While another program holds a write transaction, a save waits a few seconds, then says so;
    // nothing is lost, and the entry the other program saved shows after the next refresh.
    void zweiProgrammeAufEinerDatei()
    {
        Hauptfensterprobe p(QDate::currentDate(), {{"Anna", 1, 1}});
        QProcess sperre;
        sperre.start(schreibhelfer, {QStringLiteral("sperren"), p.db.pfad(), QStringLiteral("Carla")});
        QVERIFY(warteAuf(sperre, "gesperrt"));
        qint64 gewartet = -1;
        bool offenMitEingabe = false;
        p.t.dialoge.dann([&](QDialog& dialog) {
            const Eintragsprobe d{dialog};
            d.ausfuellen(QStringLiteral("Bert"), 1, 2);
            QElapsedTimer uhr;
            uhr.start();
            d.speichern();
            gewartet = uhr.elapsed();
            offenMitEingabe = dialog.isVisible() && d.name()->text() == QLatin1String("Bert");
            QVERIFY(sperre.waitForFinished(15000));
            d.speichern();
        });
        p.klicken("cmdEintragNeu");

        QVERIFY2(gewartet >= 2500 && gewartet < 7000, qPrintable(QString::number(gewartet)));
        QVERIFY(offenMitEingabe);
        QCOMPARE(p.t.meldungen.gezeigt.size(), 1);
        QVERIFY(p.t.meldungen.gezeigt[0].text.contains(QStringLiteral("anderen Programm")));
        QCOMPARE(p.t.dialoge.nichtGeschlossen, 0);
        QCOMPARE(p.zeilen(2), QStringList({"Carla"}));
        QVERIFY(zeilenVon(p.voll()).contains(QStringLiteral("02-01 Bert")));
        qInfo("Eine gesperrte Speicherung wartete %lld ms.", gewartet);
    }

    void schwierigeEingaben_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("bemerkungen");
        QTest::newRow("Anführungszeichen") << "O'Brien \"der Bär\"" << "'; \"";
        QTest::newRow("SQL") << "Tom'); DROP TABLE Gedenkbuch;--" << "1 OR 1=1; DELETE FROM Gedenkbuch";
        QTest::newRow("Prozent") << "100% _Rabatt_ \\ %s %n" << "%1 %%";
        QTest::newRow("Umlaute") << "Jörg Ößmann-Ähre, Übel ß" << "Grüße an Bärbel";
        QTest::newRow("Emoji") << "Geburtstag 🎂🎉" << "🎈 Luftballons";
        QTest::newRow("50 Zeichen") << QStringLiteral("Ä").append(QString(49, u'b')) << "";
        QTest::newRow("Zeilenumbrüche") << "Zeilen" << "Zeile 1\nZeile 2\n\n\tEnde\n";
        QTest::newRow("100000 Zeichen") << "Lang" << QStringLiteral("Lange Bemerkung ").repeated(6250);
    }

    // Stored through the dialog and read back unchanged; shown unchanged in every list and the panel.
    void schwierigeEingaben()
    {
        QFETCH(QString, name);
        QFETCH(QString, bemerkungen);
        const QDate heute(2026, 6, 10);
        Hauptfensterprobe p(heute);
        p.t.dialoge.dann([&](QDialog& dialog) {
            const Eintragsprobe d{dialog};
            d.name()->setText(name);
            d.ausfuellen({}, 10, 6);
            d.bemerkungen()->setPlainText(bemerkungen);
            d.speichern();
        });
        p.klicken("cmdEintragNeu");
        QCOMPARE(p.t.meldungen.gezeigt.size(), 0);

        auto s = p.db.oeffnen();
        store::Statement roh(s->handle(), "SELECT CAST(Bezeichnung AS BLOB), CAST(Bemerkungen AS BLOB) FROM Gedenkbuch");
        QVERIFY(roh.step());
        QCOMPARE(roh.column(0).toByteArray(), name.toUtf8());
        QCOMPARE(roh.column(1).toByteArray(), bemerkungen.toUtf8());
        roh.reset();

        QCOMPARE(zeilenVon(p.voll()), QStringList({QStringLiteral("06-10 ") + name}));
        QCOMPARE(p.zeilen(2), QStringList({name}));
        QCOMPARE(p.angaben(), QStringList({name, "10", "6", "", bemerkungen}).join(u'|'));
        QStringList gefunden;
        p.t.dialoge.dann([&](QDialog& d) { gefunden = suchlauf(d, name); });
        p.klicken("cmdSuchen");
        QCOMPARE(gefunden, QStringList({QStringLiteral("06-10 ") + name}));
        nichtsImKlartext(p.db.ordner(), {name.toUtf8()});
    }
};

QTEST_MAIN(TestNichtsVerloren)
#include "tst_nichtsverloren.moc"
