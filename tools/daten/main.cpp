// gedenkbuch-daten: the database tool. Every subcommand works on daten.mdb in the current folder,
// or in the folder given with --ordner.
#include "befehl.h"

#include "store/store.h"

#include <QCoreApplication>
#include <array>

namespace {

const std::array unterbefehle = {
    Unterbefehl{"neu", "neu", "legt eine leere daten.mdb an; eine vorhandene bleibt unberührt.", neu},
};

QString hilfe()
{
    QString text = QStringLiteral("Aufruf: gedenkbuch-daten [--ordner ORDNER] BEFEHL [ARGUMENTE]\n\n"
                                  "Arbeitet mit der Datei daten.mdb im aktuellen Ordner, mit --ordner im angegebenen.\n\n"
                                  "Befehle:\n");
    for (const Unterbefehl& b : unterbefehle) {
        text += QStringLiteral("  %1\n").arg(QString::fromUtf8(b.aufruf));
        for (const QString& zeile : QString::fromUtf8(b.beschreibung).split(u'\n'))
            text += QStringLiteral("      %1\n").arg(zeile);
    }
    text += QStringLiteral("\nEine beschädigte daten.mdb meldet das Programm beim Start als beschädigt. "
                           "Prüfen lässt sie sich\nmit „gedenkbuch-daten pruefen“; was noch lesbar ist, "
                           "sichert „gedenkbuch-daten export“\nin eine neue Datei. Arbeiten Sie dabei mit "
                           "einer Kopie der Datei.\n");
    return text;
}

} // namespace

QString Aufruf::datenbank() const
{
    // "daten.mdb" in the current folder, "DIR/daten.mdb" with --ordner: as the user named it.
    return QDir::cleanPath(ordner.filePath(store::dateiname));
}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream aus(stdout);
    QTextStream fehler(stderr);
    QStringList argumente = QCoreApplication::arguments().mid(1);

    QDir ordner;
    const qsizetype stelle = argumente.indexOf(QStringLiteral("--ordner"));
    if (stelle >= 0) {
        if (stelle + 1 >= argumente.size()) {
            fehler << QStringLiteral("Nach --ordner fehlt der Ordner.") << Qt::endl;
            return FalscherAufruf;
        }
        ordner = QDir(argumente.at(stelle + 1));
        argumente.remove(stelle, 2);
        if (!ordner.exists()) {
            fehler << QStringLiteral("Den Ordner %1 gibt es nicht.").arg(ordner.path()) << Qt::endl;
            return Fehlschlag;
        }
    }
    if (argumente.isEmpty() || argumente.contains(QStringLiteral("--hilfe")) || argumente.contains(QStringLiteral("-h"))) {
        (argumente.isEmpty() ? fehler : aus) << hilfe();
        return argumente.isEmpty() ? FalscherAufruf : Erfolg;
    }
    for (const Unterbefehl& b : unterbefehle) {
        if (argumente.constFirst() == QLatin1String(b.name)) {
            const int status = b.ausfuehren({argumente.mid(1), ordner, aus, fehler});
            if (status == FalscherAufruf)
                fehler << QStringLiteral("Aufruf: gedenkbuch-daten [--ordner ORDNER] %1").arg(QString::fromUtf8(b.aufruf))
                       << Qt::endl;
            return status;
        }
    }
    fehler << QStringLiteral("Unbekannter Befehl „%1“. Die Befehle nennt gedenkbuch-daten --hilfe.").arg(argumente.constFirst())
           << Qt::endl;
    return FalscherAufruf;
}
