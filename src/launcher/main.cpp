// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// gedenkbuch-starten: the start from the desktop menu. Prepares the user's data folder and runs
// the program in it. It has no terminal, so every failure is shown in a message box.
#include "core/datenordner.h"
#include "datenordner.h"
#include "windows/common/meldungen.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>
#include <vector>

namespace {

const QString programm = QStringLiteral("gedenkbuch");

// The program installed beside this one, else the first on the search path.
QString programmFinden()
{
    const QString daneben = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    const QFileInfo info(QFileInfo(daneben).dir().filePath(programm));
    if (!daneben.isEmpty() && info.isFile() && info.isExecutable())
        return info.filePath();
    return QStandardPaths::findExecutable(programm);
}

// Replaces this process with the program, in the data folder and with the same arguments. Returns
// only on failure, with the message for the user.
QString programmStarten(const QString& ordner, char* argv[])
{
    const QString pfad = programmFinden();
    if (pfad.isEmpty())
        return QStringLiteral("Das Programm %1 wurde weder neben gedenkbuch-starten noch im Suchpfad gefunden.")
            .arg(programm);
    if (!QDir::setCurrent(ordner))
        return QStringLiteral("In den Datenordner %1 kann nicht gewechselt werden.").arg(ordner);
    const QByteArray name = QFile::encodeName(pfad);
    std::vector<char*> argumente{const_cast<char*>(name.constData())};
    for (char** a = argv + 1; *a; ++a)
        argumente.push_back(*a);
    argumente.push_back(nullptr);
    ::execv(name.constData(), argumente.data());
    return QStringLiteral("Das Programm %1 kann nicht gestartet werden.").arg(pfad);
}

} // namespace

int main(int argc, char* argv[])
{
    // No window before it is needed: the program that takes over opens its own.
    const QString ordner = core::datenordner();
    QString fehler = starter::datenordnerBereiten(ordner);
    if (fehler.isEmpty())
        fehler = programmStarten(ordner, argv);

    QApplication app(argc, argv);
    ui::Meldungsfenster().hinweis(fehler, QStringLiteral("Startfehler"));
    return 1;
}
