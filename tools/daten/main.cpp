// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// gedenkbuch-daten: the database tool. Which daten.mdb a subcommand uses, buch.h tells.
#include "befehlszeile.h"
#include "buch.h"

#include "druck/drucken.h"

#include "core/fehlertexte.h"
#include "core/programm.h"
#include "store/store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <unistd.h>

namespace {

// The daten.mdb of the subcommand into `aufruf`; false after a German message. `neu` makes a
// missing ORDNER, readable by its owner only, as the menu start makes the data folder.
bool buchWaehlen(const Unterbefehl& befehl, Aufruf& aufruf)
{
    const QString ordner = aufruf.wert("ordner");
    if (befehl.buch == Unterbefehl::Buch::Neu && !ordner.isNull() && !QFileInfo::exists(ordner)
        && QDir().mkpath(QFileInfo(ordner).absolutePath()))
        QDir().mkdir(ordner, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (befehl.buch != Unterbefehl::Buch::Keins && !ordner.isNull() && !QFileInfo(ordner).isDir()) {
        aufruf.fehler << QStringLiteral("Den Ordner %1 gibt es nicht.").arg(QDir(ordner).path()) << Qt::endl;
        return false;
    }
    if (befehl.buch == Unterbefehl::Buch::Neu)
        aufruf.buch = QDir::cleanPath(QDir(ordner.isNull() ? QStringLiteral(".") : ordner).filePath(store::dateiname));
    else if (befehl.buch == Unterbefehl::Buch::Vorhanden)
        aufruf.buch = buchFinden(ordner, aufruf.fehler);
    return befehl.buch == Unterbefehl::Buch::Keins || !aufruf.buch.isEmpty();
}

int ausfuehren(const QStringList& argumente, QTextStream& aus, QTextStream& fehler, Kanal& ausgabe)
{
    const Vorspann vorspann = vorspannLesen(argumente, fehler);
    switch (vorspann.ergebnis) {
    case Vorspann::Ergebnis::Falsch:
        return FalscherAufruf;
    case Vorspann::Ergebnis::Hilfe:
        aus << hilfe();
        return Erfolg;
    case Vorspann::Ergebnis::Version:
        aus << QStringLiteral("gedenkbuch-daten (%1) %2").arg(core::programmname, core::versionstext) << Qt::endl;
        return Erfolg;
    case Vorspann::Ergebnis::Befehl:
        break;
    }
    if (vorspann.rest.isEmpty()) {
        fehler << hilfe();
        return FalscherAufruf;
    }
    const QString name = vorspann.rest.constFirst();
    for (const Unterbefehl& b : unterbefehle()) {
        if (name != QLatin1String(b.name))
            continue;
        Aufruf aufruf{{}, {}, aus, fehler, ausgabe};
        aufruf.ordnerVorn = !vorspann.ordner.isNull();
        if (aufruf.ordnerVorn)
            aufruf.werte.insert(QStringLiteral("ordner"), vorspann.ordner);
        const Gelesen gelesen = befehlLesen(b, vorspann.rest.mid(1), aufruf.werte, fehler);
        if (gelesen == Gelesen::Hilfe) {
            aus << befehlshilfe(b);
            return Erfolg;
        }
        int status = FalscherAufruf;
        if (gelesen == Gelesen::Werte)
            status = buchWaehlen(b, aufruf) ? b.ausfuehren(aufruf) : Fehlschlag;
        if (status == FalscherAufruf)
            fehler << QStringLiteral("Aufruf: gedenkbuch-daten [--ordner ORDNER] %1").arg(aufrufzeile(b)) << Qt::endl;
        return status;
    }
    fehler << QStringLiteral("Unbekannter Befehl „%1“. Die Befehle nennt gedenkbuch-daten --hilfe.").arg(name)
           << Qt::endl;
    return FalscherAufruf;
}

} // namespace

int main(int argc, char* argv[])
{
    // Only drucken lays out text, which takes a QGuiApplication; every other subcommand runs on the core.
    const bool drucken = std::any_of(argv + 1, argv + argc, [](const char* a) { return qstrcmp(a, "drucken") == 0; });
    const std::unique_ptr<QCoreApplication> app
        = drucken ? druck::druckanwendung(argv[0]) : std::make_unique<QCoreApplication>(argc, argv);
    Kanal ausgabe(STDOUT_FILENO);
    Kanal fehlerausgabe(STDERR_FILENO);
    QTextStream aus(&ausgabe);
    QTextStream fehler(&fehlerausgabe);
    const std::optional<QStringList> argumente = argumenteLesen(argc, argv, fehler);
    int status = argumente ? ausfuehren(*argumente, aus, fehler, ausgabe) : FalscherAufruf;

    // Output cut short is no success: a full disk, a closed pipe, a file system that fails late.
    aus.flush();
    if (!ausgabe.abschliessen()) {
        fehler << QStringLiteral("Die Ausgabe konnte nicht vollständig geschrieben werden: %1.")
                      .arg(core::systemfehler(ausgabe.fehler()))
               << Qt::endl;
        status = Fehlschlag;
    }
    fehler.flush();
    if (!fehlerausgabe.abschliessen() && status == Erfolg)
        status = Fehlschlag;
    return status;
}
