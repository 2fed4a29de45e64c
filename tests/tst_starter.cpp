#include "datenbank.h"

#include "launcher/datenordner.h"

#include <QDir>
#include <QTest>

#include <sys/stat.h>

namespace {

// The permission bits of a path, -1 where there is nothing.
int modus(const QString& pfad)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(pfad).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}

bool anlegen(const QString& pfad, const QByteArray& inhalt, int rechte)
{
    QFile datei(pfad);
    return datei.open(QIODevice::WriteOnly) && datei.write(inhalt) == inhalt.size() && datei.flush()
        && ::chmod(QFile::encodeName(pfad).constData(), mode_t(rechte)) == 0;
}

const QByteArray fremdeDatei = "keine Datenbank, aber die Datei des Benutzers";

} // namespace

// The launcher's data folder on a real temporary XDG_DATA_HOME.
class TestStarter : public QObject {
    Q_OBJECT
private slots:
    void datenordnerBereiten_data()
    {
        QTest::addColumn<QByteArray>("xdg");     // "-" unset; $T is the temporary folder, HOME is $T/heim
        QTest::addColumn<QString>("vorhanden");  // what is there before: "", "Datenbank" or "Datei statt Ordner"
        QTest::addColumn<QString>("ordner");     // the data folder expected
        QTest::addColumn<QString>("meldung");    // how the message begins, empty for none
        QTest::addColumn<int>("ordnermodus");   // -1: a file holds its place
        QTest::addColumn<int>("dateimodus");     // of daten.mdb, or of the file in the folder's place
        QTest::newRow("tief, nichts da") << QByteArray("$T/a/b") << "" << "$T/a/b/gedenkbuch" << "" << 0700 << 0600;
        QTest::newRow("ohne XDG_DATA_HOME") << QByteArray("-") << "" << "$T/heim/.local/share/gedenkbuch" << "" << 0700 << 0600;
        QTest::newRow("XDG_DATA_HOME leer") << QByteArray("") << "" << "$T/heim/.local/share/gedenkbuch" << "" << 0700 << 0600;
        QTest::newRow("XDG_DATA_HOME relativ") << QByteArray("daten") << "" << "$T/heim/.local/share/gedenkbuch" << "" << 0700 << 0600;
        QTest::newRow("vorhandene Datei bleibt") << QByteArray("$T") << "Datenbank" << "$T/gedenkbuch" << "" << 0755 << 0644;
        QTest::newRow("Datei statt Ordner") << QByteArray("$T") << "Datei statt Ordner" << "$T/gedenkbuch"
                                            << "Der Datenordner " << -1 << 0644;
    }

    void datenordnerBereiten()
    {
        QFETCH(QByteArray, xdg);
        QFETCH(QString, vorhanden);
        QFETCH(QString, ordner);
        QFETCH(QString, meldung);
        QFETCH(int, ordnermodus);
        QFETCH(int, dateimodus);
        QTemporaryDir t;
        ordner.replace(QLatin1String("$T"), t.path());
        const QString datenbank = ordner + QStringLiteral("/daten.mdb");
        qputenv("HOME", QFile::encodeName(t.filePath(QStringLiteral("heim"))));
        if (xdg == "-")
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", xdg.replace("$T", QFile::encodeName(t.path())));
        if (vorhanden == QLatin1String("Datenbank"))
            QVERIFY(QDir().mkdir(ordner) && ::chmod(QFile::encodeName(ordner).constData(), 0755) == 0
                    && anlegen(datenbank, fremdeDatei, 0644));
        if (vorhanden == QLatin1String("Datei statt Ordner"))
            QVERIFY(anlegen(ordner, fremdeDatei, 0644));

        QCOMPARE(starter::datenordner(), ordner);
        const QString gemeldet = starter::datenordnerBereiten(ordner);
        QVERIFY2(meldung.isEmpty() ? gemeldet.isEmpty() : gemeldet.startsWith(meldung), qPrintable(gemeldet));
        const QString datei = ordnermodus == -1 ? ordner : datenbank;
        if (ordnermodus != -1)
            QCOMPARE(modus(ordner), ordnermodus);
        QCOMPARE(modus(datei), dateimodus);
        if (vorhanden.isEmpty())
            QVERIFY(store::Store::open(datenbank));
        else
            QCOMPARE(dateiinhalt(datei), fremdeDatei);
    }
};

QTEST_GUILESS_MAIN(TestStarter)
#include "tst_starter.moc"
