// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

namespace caldav {

// Why a request or a step of a publication failed: its kind and what names it. The text the user
// reads is made from it by the tool, in one place; none of it ever holds a password.
struct Fehler {
    enum class Art {
        // The address, before anything is sent. `ort`: as typed.
        KeineAdresse,      // not http or https, no host, not an address at all
        KennwortInAdresse, // user:password@ in the address
        Unverschluesselt,  // http to a server that is not this computer
        // ~/.netrc. `ort`: its path; `zahl`: its mode for NetrcOffen.
        NetrcOffen,
        NetrcUnlesbar, // no regular file, or it cannot be read
        // The connection. `server`: the host.
        Abgewiesen,
        UnbekannterName,
        Abgebrochen,
        Zeitueberschreitung, // `zahl`: seconds
        ZertifikatSelbstAusgestellt,
        ZertifikatAbgelaufen,
        ZertifikatFuerAnderenNamen,
        ZertifikatUnbekannt,
        Handshake,            // no TLS came back: a plain http server behind https, or no common protocol
        ZuGross,              // `zahl`: the bytes an answer may have; `verb`, `ort`
        UmleitungAnderswohin, // `ort`: where it leads
        ZuVieleUmleitungen,   // `zahl`: the hops followed
        KopfUngueltig,        // a header value held a control character; nothing was sent
        // The server's answer. `server`, `verb`, `ort`; `zahl`: the status.
        AnmeldungAbgelehnt, // `detail`: the login
        KeinZugang,         // a login is asked, and ~/.netrc names none for the server
        Verboten,
        Status,
        Unverstaendlich,       // no multistatus where one was due
        StatusIn207,           // a write answered by a 207 holding a failure: `zahl`
        KeinKalender,          // `ort`: something else is there
        KeinAdressbuch,        // `ort`: nothing, or something else than an address book is there
        KeineTermine,          // `ort`: a calendar that takes no events
        ElternFehlt,           // `ort`: MKCALENDAR found no parent folder
        GleichzeitigGeaendert, // `ort`: a write met 412 again after reading it anew
        FremderTermin,         // `ort`: another program's event took its place meanwhile
    };
    Art art;
    QString server = {};
    QString ort = {};
    QByteArray verb = {};
    qint64 zahl = 0;
    QString detail = {};

    // Whether the run cannot go on: the server is out of reach or refuses this user. Any other
    // failure belongs to one event, and the run goes on with the rest.
    bool beendetLauf() const;
};

} // namespace caldav
