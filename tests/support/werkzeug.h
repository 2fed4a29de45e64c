#pragma once

#include <QString>
#include <QStringList>

struct Lauf {
    int status; // -1 when the program crashed or did not end
    QString ausgabe, fehler;
};

// Runs a program in a folder, with more environment ("NAME=Wert"). The event loop runs meanwhile,
// so a service of this process can answer it.
Lauf starten(const QString& programm, const QStringList& argumente, const QString& ordner,
             const QStringList& umgebung = {});

// The database tool gedenkbuch-daten, and where it lies.
QString werkzeugpfad();
Lauf werkzeug(const QStringList& argumente, const QString& ordner, const QStringList& umgebung = {});
