#include "beispieldaten.h"

#include "store/store.h"

#include <QRandomGenerator>
#include <QStringList>

void beispieldatenbank(const QString& pfad, int anzahl, quint32 seed)
{
    static const QStringList vornamen = {"Anna", "Bernd", "Clara", "Dieter", "Elke", "Frieda", "Günter", "Hanna",
                                         "Ingo", "Jörg", "Käthe", "Lars", "Maria", "Niklas", "Ömer", "Paula",
                                         "Quirin", "Rita", "Sören", "Tanja", "Ulrike", "Volker", "Wiebke", "Xaver"};
    static const QStringList nachnamen = {"Bauer", "Schäfer", "Müller", "Krüger", "Weiß", "Becker", "Hoffmann",
                                          "Zimmermann", "Groß", "Lehmann", "Köhler", "Wolf"};
    QRandomGenerator zufall(seed);
    store::Store::create(pfad);
    auto s = store::Store::open(pfad);
    store::execute(s->handle(), "BEGIN");
    store::Statement einfuegen(s->handle(), "INSERT INTO Gedenkbuch VALUES (?1, ?2, ?3, ?4, ?5)");
    for (int i = 0; i < anzahl; ++i) {
        const QString name = QStringLiteral("%1 %2 %3")
                                 .arg(vornamen.at(zufall.bounded(int(vornamen.size()))),
                                      nachnamen.at(zufall.bounded(int(nachnamen.size()))))
                                 .arg(i);
        einfuegen.bind(1, name);
        einfuegen.bind(2, zufall.bounded(1, 29));
        einfuegen.bind(3, zufall.bounded(1, 13));
        einfuegen.bind(4, zufall.bounded(5) == 0 ? QVariant() : QVariant(zufall.bounded(1920, 2026)));
        einfuegen.bind(5, zufall.bounded(3) == 0 ? QVariant(QStringLiteral("Blumen mitbringen")) : QVariant());
        einfuegen.step();
        einfuegen.reset();
    }
    store::execute(s->handle(), "COMMIT");
}
