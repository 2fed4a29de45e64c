#include "schreibfolge.h"

namespace {

QString name(int i)
{
    return QStringLiteral("E%1").arg(i);
}

// Long remarks spread one write over several pages, so a torn write would show.
Werte neu(int i)
{
    return {i % 28 + 1, i % 12 + 1, 1900 + i % 120, QStringLiteral("Bemerkung %1 ").arg(i).repeated(200)};
}

QString geaendert(int i)
{
    return QStringLiteral("geändert %1 ").arg(i).repeated(150);
}

bool suchen(store::Cursor& cursor, const QString& gesucht)
{
    try {
        for (cursor.MoveFirst(); !cursor.Eof(); cursor.MoveNext()) {
            if (cursor.Field(QStringLiteral("Bezeichnung")).toString() == gesucht)
                return true;
        }
    } catch (const store::StoreError&) {
    }
    return false;
}

} // namespace

void erwarten(Bestand& bestand, int i)
{
    switch (i % 3) {
    case 0:
        bestand.insert(name(i), neu(i));
        break;
    case 1:
        if (bestand.contains(name(i - 1))) {
            bestand[name(i - 1)].bemerkungen = geaendert(i);
            bestand[name(i - 1)].jahr = 2000 + i % 20;
        }
        break;
    default:
        bestand.remove(name(i - 5));
    }
}

void ausfuehren(store::Cursor& cursor, int i)
{
    switch (i % 3) {
    case 0: {
        const Werte w = neu(i);
        cursor.AddNew();
        cursor.SetField(QStringLiteral("Bezeichnung"), name(i));
        cursor.SetField(QStringLiteral("tag"), w.tag);
        cursor.SetField(QStringLiteral("monat"), w.monat);
        cursor.SetField(QStringLiteral("jahr"), w.jahr);
        cursor.SetField(QStringLiteral("Bemerkungen"), w.bemerkungen);
        cursor.Update();
        break;
    }
    case 1:
        if (suchen(cursor, name(i - 1))) {
            cursor.Edit();
            cursor.SetField(QStringLiteral("Bemerkungen"), geaendert(i));
            cursor.SetField(QStringLiteral("jahr"), 2000 + i % 20);
            cursor.Update();
        }
        break;
    default:
        if (suchen(cursor, name(i - 5)))
            cursor.Delete();
    }
}

Bestand bestand(const QList<QStringList>& saetze)
{
    Bestand b;
    for (const QStringList& s : saetze)
        b.insert(s[0], {s[1].toLongLong(), s[2].toLongLong(), s[3].toLongLong(), s[4]});
    return b;
}
