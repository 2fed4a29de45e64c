#include "beispieldaten.h"

#include "store/cursor.h"
#include "store/store.h"

#include <QRandomGenerator>
#include <QStringList>

using store::Feld;

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
    store::Cursor cursor(*s);
    store::Transaktion transaktion(*s);
    for (int i = 0; i < anzahl; ++i) {
        cursor.AddNew();
        cursor.SetField(Feld::Bezeichnung, QStringLiteral("%1 %2 %3")
                                               .arg(vornamen.at(zufall.bounded(int(vornamen.size()))),
                                                    nachnamen.at(zufall.bounded(int(nachnamen.size()))))
                                               .arg(i));
        cursor.SetField(Feld::tag, zufall.bounded(1, 29));
        cursor.SetField(Feld::monat, zufall.bounded(1, 13));
        if (zufall.bounded(5) != 0)
            cursor.SetField(Feld::jahr, zufall.bounded(1920, 2026));
        if (zufall.bounded(3) == 0)
            cursor.SetField(Feld::Bemerkungen, QStringLiteral("Blumen mitbringen"));
        cursor.Update();
    }
    transaktion.abschliessen();
}
