// Prints the time of the program's main operations for stores of 1,000, 10,000 and 100,000
// entries, one figure a line: "<figure> <entries> <median ms>". For comparison, the last line of
// a size is the sqlcipher shell reading all rows of the 100,000-entry file, as a whole process.
// Import and export are timed for 10,000 entries as the database tool runs them, whole processes
// too; the import's own figures follow at the end (einlesen.h).
#include "beispieldaten.h"
#include "einlesen.h"
#include "kalender.h"
#include "messung.h"

#include "core/anzeigezeile.h"
#include "core/eintragsbuch.h"
#include "core/uhr.h"
#include "store/cursor.h"
#include "store/store.h"
#include "windows/common/fensterdienst.h"
#include "windows/common/listenfeld.h"
#include "windows/common/meldungen.h"
#include "windows/mainwindow/frmgedenkbuch.h"
#include "windows/search/frmsuche.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

// Nothing in a benchmark asks the user; a message would be a fault of the run.
class KeineMeldungen final : public ui::Meldungen {
public:
    void hinweis(const QString& text, const QString&) override { qFatal("Meldung: %s", qPrintable(text)); }
    bool frage(const QString& text, const QString&) override { qFatal("Frage: %s", qPrintable(text)); }
};

void shellLesen(const QString& pfad)
{
    QProcess shell;
    shell.setStandardOutputFile(QProcess::nullDevice());
    shell.start(QStringLiteral("sqlcipher"), {QStringLiteral("-cmd"), QStringLiteral("PRAGMA key='" GEDENKBUCH_KENNWORT "';"), pfad,
                                              QStringLiteral("SELECT * FROM Gedenkbuch;")});
    if (!shell.waitForFinished(60000) || shell.exitCode() != 0)
        qFatal("Die sqlcipher-Shell konnte die Datei nicht lesen.");
}

void werkzeug(const QStringList& argumente)
{
    QProcess prozess;
    prozess.setStandardOutputFile(QProcess::nullDevice());
    prozess.start(QStringLiteral(GEDENKBUCH_DATEN), argumente);
    if (!prozess.waitForFinished(60000) || prozess.exitStatus() != QProcess::NormalExit || prozess.exitCode() != 0)
        qFatal("gedenkbuch-daten %s: %s", qPrintable(argumente.join(u' ')), prozess.readAllStandardError().constData());
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc > 2 && qstrcmp(argv[1], "--spitze") == 0)
        return spitzeMelden(argv + 2);
    QApplication app(argc, argv);
    core::SystemUhr uhr;
    KeineMeldungen meldungen;
    ui::Dialogfenster fenster;
    ui::Dienste dienste{uhr, meldungen, fenster};
    const bool shell = !QStandardPaths::findExecutable(QStringLiteral("sqlcipher")).isEmpty();
    for (int anzahl : {1000, 10000, 100000}) {
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(QStringLiteral("daten.mdb"));
        beispieldatenbank(pfad, anzahl);
        Messreihe reihe(anzahl);

        reihe.figur("oeffnen", [] {}, [&] { store::Store::open(pfad); });

        // The full list: one walk, one line per entry, sorted into the list box.
        auto s = store::Store::open(pfad);
        store::Cursor cursor(*s, store::Cursor::Umfang::OhneBemerkungen);
        core::Eintragsbuch buch(*s, cursor);
        ui::Listenfeld liste(true);
        reihe.figur("listenaufbau", [&] { liste.leeren(); },
                    [&] { liste.hinzufuegen(buch.fenster(QDate(2026, 6, 10)).voll); });

        // A whole refresh of the main window: full list, captions, day lists, next anniversary.
        frmGedenkbuch hauptfenster(dienste, store::Store::open(pfad));
        reihe.figur("auffrischen", [] {}, [&] { hauptfenster.auffrischen(); });

        // A click on the last line of the full list: the entry found and shown in the panel.
        auto* voll = hauptfenster.findChild<ui::Listenfeld*>(QStringLiteral("lstGedenkbuch"));
        reihe.figur("nachschlagen", [&] { voll->waehlen(-1); }, [&] { voll->waehlen(voll->anzahl() - 1); });

        // A search for a name (one entry in 24 matches), and one that two thirds of all match.
        frmSuche suche(buch, uhr, meldungen, nullptr);
        auto* begriff = suche.findChild<QLineEdit*>(QStringLiteral("txtSuche"));
        auto* suchen = suche.findChild<QPushButton*>(QStringLiteral("cmdSuchStart"));
        reihe.figur("suchen", [&] { begriff->setText(QStringLiteral("Quirin")); }, [&] { suchen->click(); });
        reihe.figur("suchen_viele_treffer", [&] { begriff->setText(QStringLiteral("er")); }, [&] { suchen->click(); });

        // A vCard file of 10,000 cards into an empty file; the calendar of 10,000 entries.
        QTemporaryDir leer;
        const QString neu = leer.filePath(QStringLiteral("daten.mdb"));
        const QString karten = ordner.filePath(QStringLiteral("karten.vcf"));
        const QString ics = ordner.filePath(QStringLiteral("kalender.ics"));
        if (anzahl == 10000) {
            beispielkarten(karten, anzahl);
            reihe.figur("import", [&] { QFile::remove(neu); store::Store::create(neu); },
                        [&] { werkzeug({"--ordner", leer.path(), "import", karten}); });
            reihe.figur("export_ics", [&] { QFile::remove(ics); },
                        [&] { werkzeug({"--ordner", ordner.path(), "export", "--format", "ics", "--datei", ics}); });
        }

        // The sqlcipher shell reading every row of the same file, as a whole process.
        if (anzahl == 100000 && shell)
            reihe.figur("sqlcipher_shell", [] {}, [&] { shellLesen(pfad); });
        reihe.messen(9);
    }
    einlesenMessen();
    kalenderMessen(3);
    return 0;
}
