#pragma once

#include "store/cursor.h"

#include <QMap>
#include <QString>

// A fixed, endless sequence of store operations: operation i adds the entry "E<i>", changes the
// entry added just before it, or deletes an older one. The test knows from the numbers alone
// what the file must hold after any of them.
struct Werte {
    qint64 tag, monat, jahr;
    QString bemerkungen;
    bool operator==(const Werte&) const = default;
};
using Bestand = QMap<QString, Werte>;

// The effect of operation i on the expected contents.
void erwarten(Bestand& bestand, int i);
// Operation i through the program's store layer, as one Update or Delete.
void ausfuehren(store::Cursor& cursor, int i);
// The contents of the file, from its records as Testdatenbank::saetze() gives them.
Bestand bestand(const QList<QStringList>& saetze);
