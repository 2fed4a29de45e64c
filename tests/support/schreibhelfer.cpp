// A second program on daten.mdb for the tests, working through the program's own store layer:
//   folge <datei> <ab>          runs the write sequence from operation <ab> on, "ok <i>" after each
//   voll <datei> <bytes>        adds entries until the file may not grow beyond <bytes>
//   sperren <datei> <ms>        holds a write transaction for <ms> milliseconds
//   hinzufuegen <datei> <name>  adds one entry for today
#include "schreibfolge.h"

#include <QCoreApplication>
#include <QDate>
#include <QThread>

#include <csignal>
#include <cstdio>
#include <sys/resource.h>

namespace {

void melden(const QString& zeile)
{
    std::printf("%s\n", zeile.toUtf8().constData());
    std::fflush(stdout);
}

int folge(store::Cursor& cursor, int ab)
{
    for (int i = ab;; ++i) {
        ausfuehren(cursor, i);
        melden(QStringLiteral("ok %1").arg(i));
    }
}

int voll(store::Cursor& cursor, qint64 grenze)
{
    // Beyond the limit a write fails with EFBIG instead of the process being ended.
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{rlim_t(grenze), rlim_t(grenze)};
    setrlimit(RLIMIT_FSIZE, &limit);
    for (int n = 0;; ++n) {
        try {
            cursor.AddNew();
            cursor.SetField(QStringLiteral("Bezeichnung"), QStringLiteral("Voll %1").arg(n));
            cursor.SetField(QStringLiteral("tag"), 1);
            cursor.SetField(QStringLiteral("monat"), 1);
            cursor.SetField(QStringLiteral("Bemerkungen"), QStringLiteral("x").repeated(1500));
            cursor.Update();
        } catch (const store::StoreError& e) {
            melden(QStringLiteral("gespeichert %1").arg(n));
            melden(QStringLiteral("meldung %1").arg(e.meldung()));
            return 0;
        }
    }
}

int sperren(store::Store& s, int ms)
{
    store::execute(s.handle(), "BEGIN IMMEDIATE");
    store::execute(s.handle(), "INSERT INTO Gedenkbuch (Bezeichnung, tag, monat) VALUES ('Sperre', 1, 1)");
    melden(QStringLiteral("gesperrt"));
    QThread::msleep(ms);
    store::execute(s.handle(), "ROLLBACK");
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList a = QCoreApplication::arguments();
    if (a.size() != 4)
        return 2;
    try {
        auto s = store::Store::open(a[2]);
        store::Cursor cursor(*s);
        if (a[1] == QLatin1String("folge"))
            return folge(cursor, a[3].toInt());
        if (a[1] == QLatin1String("voll"))
            return voll(cursor, a[3].toLongLong());
        if (a[1] == QLatin1String("sperren"))
            return sperren(*s, a[3].toInt());
        if (a[1] == QLatin1String("hinzufuegen")) {
            cursor.AddNew();
            cursor.SetField(QStringLiteral("Bezeichnung"), a[3]);
            cursor.SetField(QStringLiteral("tag"), QDate::currentDate().day());
            cursor.SetField(QStringLiteral("monat"), QDate::currentDate().month());
            cursor.Update();
            return 0;
        }
    } catch (const store::StoreError& e) {
        melden(QStringLiteral("fehler %1").arg(e.meldung()));
        return 1;
    }
    return 2;
}
