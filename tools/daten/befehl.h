// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "eingabe.h"
#include "kontext.h"

#include "core/eintrag.h"
#include "core/fehlertexte.h"
#include "store/cursor.h"
#include "store/store.h"

#include <functional>
#include <memory>
#include <vector>

namespace daten {

// Exit status of a command: 0 done, 1 failed (a German message on standard error), 2 called
// wrongly. Commands may define further ones and say so in their help.
enum Status { Erfolg = 0, Fehlschlag = 1, FalscherAufruf = 2 };
// import: 3 some records skipped, 4 none taken; pruefen: 5 the file is damaged.
constexpr int EinigeUebersprungen = 3;
constexpr int NichtsUebernommen = 4;
constexpr int DateiBeschaedigt = 5;

// "1 Eintrag", "3 Einträge".
QString mitAnzahl(qsizetype anzahl, const char* einzahl, const char* mehrzahl);

// "Den Ordner ORDNER gibt es nicht."
QString keinOrdner(const QString& ordner);

// A command of gedenkbuch-daten. It declares its options and arguments as members (see
// eingabe.h), the command line reads their values before it runs, and the help is made from them.
class Befehl {
public:
    // Which daten.mdb a command uses: none, the one it creates, or an existing one (Buchbefehl).
    enum class Buch { Keins, Neu, Vorhanden };

    virtual ~Befehl() = default;
    Befehl(const Befehl&) = delete;
    Befehl& operator=(const Befehl&) = delete;

    QString name() const { return QString::fromUtf8(name_); }
    Buch buchart() const { return buch_; }
    // One or more lines; the help indents them.
    const QString& beschreibung() const { return beschreibung_; }
    // Its own options, then --ordner, which every command has.
    QList<Eingabe*> optionen() { return optionen_ + QList<Eingabe*>{&ordner}; }
    const QList<Eingabe*>& argumente() const { return argumente_; }

    // Does the work of a call whose values are read. Returns the exit status.
    virtual int ausfuehren(Kontext& k) = 0;

    // Before the command, --ordner is the tool's own option; after it, it belongs to the command.
    Text ordner;
    bool ordnerVorn = false;

protected:
    Befehl(const char* name, Buch buch);
    QString beschreibung_;

private:
    friend class Eingabe;
    void aufnehmen(Eingabe* eingabe);

    const char* name_;
    Buch buch_;
    QList<Eingabe*> optionen_;
    QList<Eingabe*> argumente_;
};

// --ordner as a command of this kind takes it.
Option ordneroption(Befehl::Buch buch);

// A command that works on an existing book: the daten.mdb in the folder --ordner names, else the
// one the book rule finds (see buchFinden). It is found before the command's work begins; opening
// it, walking it and telling of a walk that stopped short happen here for every such command.
class Buchbefehl : public Befehl {
public:
    int ausfuehren(Kontext& k) final;

protected:
    explicit Buchbefehl(const char* name) : Befehl(name, Buch::Vorhanden) {}
    // The work, once the book is found.
    virtual int mitBuch(Kontext& k) = 0;
    // Why options that each are valid cannot go together, or nothing; a wrong call whether or not
    // there is a book.
    virtual QString widerspruch() const { return {}; }

    // The book as the user would name it: "daten.mdb", "DIR/daten.mdb", an absolute path.
    const QString& buch() const { return buch_; }
    // The report of a command whose output is data: "Gelesen aus BUCH."
    QString gelesenAus() const;
    // Throws a store::StoreError when it cannot be opened.
    std::unique_ptr<store::Store> oeffnen(store::Store::Zugriff zugriff) const;
    // Every entry the walk rule admits, to `je` in store order. False after a German message on
    // standard error, ending in `nachsatz` (what was left undone), when the book cannot be opened
    // or read whole: a partial list would look like entries deleted.
    bool eintraegeLesen(Kontext& k, store::Cursor::Umfang umfang, const std::function<void(const core::Eintrag&)>& je,
                        const QString& nachsatz = {}) const;

private:
    QString buch_;
};

// The book of a command: ORDNER/daten.mdb with --ordner, named as given ("DIR/daten.mdb"); else
// daten.mdb in the current folder when there is one, the rule of the window program, but only when
// it is the user's own and no one else may write it or its folder; else the user's book in the
// per-user data folder `datenordner`, where the menu start keeps it. A book the rule finds is named
// by its absolute path. Empty after a German message when there is none, or the one in the current
// folder is refused.
QString buchFinden(const QString& ordner, const QString& datenordner, QTextStream& fehler);

// Every command, made anew for one call, in the order of the help; each made by its own file.
std::vector<std::unique_ptr<Befehl>> alleBefehle();
std::unique_ptr<Befehl> neu();
std::unique_ptr<Befehl> heute();
std::unique_ptr<Befehl> erinnern();
std::unique_ptr<Befehl> anmeldung();
std::unique_ptr<Befehl> importieren();
std::unique_ptr<Befehl> exportieren();
std::unique_ptr<Befehl> sichern();
std::unique_ptr<Befehl> pruefen();
std::unique_ptr<Befehl> kalender();
std::unique_ptr<Befehl> drucken();
std::unique_ptr<Befehl> kontakte();

} // namespace daten
