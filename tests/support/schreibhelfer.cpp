// A second program on daten.mdb for the tests, working through the program's own store layer:
//   folge <datei> <ab>        runs the write sequence from operation <ab> on, "ok <i>" after each
//   sperren <datei> <name>    adds <name> for today in a write transaction held for 7 s
#include "schreibfolge.h"

#include <QCoreApplication>
#include <QDate>
#include <QThread>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList a = QCoreApplication::arguments();
    if (a.size() != 4)
        return 2;
    auto s = store::Store::open(a[2]);
    store::Cursor cursor(*s);
    if (a[1] == QLatin1String("folge")) {
        for (int i = a[3].toInt();; ++i) {
            ausfuehren(cursor, i);
            std::printf("ok %d\n", i);
            std::fflush(stdout);
        }
    }
    store::execute(s->handle(), "BEGIN IMMEDIATE");
    cursor.AddNew();
    cursor.SetField(QStringLiteral("Bezeichnung"), a[3]);
    cursor.SetField(QStringLiteral("tag"), QDate::currentDate().day());
    cursor.SetField(QStringLiteral("monat"), QDate::currentDate().month());
    cursor.Update();
    std::printf("gesperrt\n");
    std::fflush(stdout);
    QThread::msleep(7000);
    store::execute(s->handle(), "COMMIT");
    return 0;
}
