// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// gedenkbuch-daten: the database tool. Its commands are the library's; here they get the
// process's output, clock, places and network.
#include "befehlszeile.h"

#include "caldav/netztransport.h"
#include "druck/drucken.h"

#include "core/fehlertexte.h"

#include <csignal>
#include <unistd.h>

namespace {

// The network, set up only for a command that uses it.
class Netz final : public caldav::Transport {
public:
    caldav::Antwort senden(const caldav::Anfrage& anfrage) override
    {
        if (!netz_)
            netz_.emplace();
        return netz_->senden(anfrage);
    }

private:
    std::optional<caldav::Netztransport> netz_;
};

} // namespace

int main(int argc, char* argv[])
{
    // A reader that stops (`export | head`) would otherwise end the process without a word and
    // with no status of its own; as a failed write it is reported like any other.
    std::signal(SIGPIPE, SIG_IGN);
    // Only drucken lays out text, which takes a QGuiApplication; every other command runs on the core.
    const bool drucken = std::any_of(argv + 1, argv + argc, [](const char* a) { return qstrcmp(a, "drucken") == 0; });
    const std::unique_ptr<QCoreApplication> app
        = drucken ? druck::druckanwendung(argv[0]) : std::make_unique<QCoreApplication>(argc, argv);
    daten::Kanal ausgabe(STDOUT_FILENO);
    daten::Kanal fehlerausgabe(STDERR_FILENO);
    QTextStream aus(&ausgabe);
    QTextStream fehler(&fehlerausgabe);
    Netz netz;
    daten::Kontext k{aus, fehler, ausgabe, QDate::currentDate(), daten::orteDesSystems(), netz};
    const std::optional<QStringList> argumente = daten::argumenteLesen(argc, argv, fehler);
    int status = argumente ? daten::ausfuehren(*argumente, k) : daten::FalscherAufruf;

    // Output cut short is no success: a full disk, a closed pipe, a file system that fails late.
    aus.flush();
    if (!ausgabe.abschliessen()) {
        fehler << QStringLiteral("Die Ausgabe konnte nicht vollständig geschrieben werden: %1.")
                      .arg(core::systemfehler(ausgabe.fehler()))
               << Qt::endl;
        status = daten::Fehlschlag;
    }
    fehler.flush();
    if (!fehlerausgabe.abschliessen() && status == daten::Erfolg)
        status = daten::Fehlschlag;
    return status;
}
