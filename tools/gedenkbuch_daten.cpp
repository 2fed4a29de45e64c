// The database tool: `gedenkbuch-daten neu` creates an empty daten.mdb in the current folder.
#include "store/storeerror.h"
#include "store/store.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

int neu()
{
    QTextStream aus(stdout);
    QTextStream fehler(stderr);
    try {
        store::Store::create(store::dateiname);
    } catch (const store::StoreError& e) {
        fehler << e.meldung() << Qt::endl;
        return 1;
    }
    aus << QStringLiteral("Die leere Datenbank %1 wurde angelegt.").arg(store::dateiname) << Qt::endl;
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList argumente = QCoreApplication::arguments();
    if (argumente.size() == 2 && argumente.at(1) == QLatin1String("neu"))
        return neu();

    QTextStream(stderr) << QStringLiteral("Aufruf: gedenkbuch-daten neu\n"
                                          "  legt im aktuellen Ordner eine leere daten.mdb an "
                                          "(eine vorhandene bleibt unberührt).")
                        << Qt::endl;
    return 2;
}
