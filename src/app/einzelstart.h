// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocalServer>
#include <QString>
#include <functional>

// One program per data folder. The first start in a folder holds a lock and listens on a local
// socket, both named after the folder; a later start in the same folder asks it there to bring its
// window to the front and then ends. The kernel releases the lock with the process that held it,
// so a killed program never blocks the next start. Lock and socket live in a folder of the user's
// alone, not in the data folder: the runtime folder XDG_RUNTIME_DIR, else ersatzordner(). Another
// user's folder could hold a lock of theirs or lose ours, so none is ever used.
class Einzelstart {
public:
    enum class Lage {
        Erster,       // this start runs the folder; zeigen() is called for each later start
        SchonOffen,   // another program runs the folder and has been asked to show its window
        KeineAntwort, // another program holds the folder but did not answer
        KeinOrdner,   // no folder of the user's alone takes the lock; the program must not run unguarded
        KeinEmpfang,  // the lock is held, but the socket for later starts cannot be set up
    };

    Einzelstart(const QString& ordner, std::function<void()> zeigen);
    ~Einzelstart();
    Einzelstart(const Einzelstart&) = delete;
    Einzelstart& operator=(const Einzelstart&) = delete;

    Lage anmelden();
    // The folder anmelden() took for lock and socket.
    const QString& ordner() const { return ordnerPfad_; }

    // Where lock and socket go without a fit runtime folder: $XDG_CACHE_HOME/gedenkbuch, by
    // default ~/.cache/gedenkbuch, made for its owner only.
    static QString ersatzordner();

private:
    void anfrageBeantworten();

    QString kennung_; // names lock file and socket after the data folder
    QString ordnerPfad_;
    QString sockel_; // the socket's address
    std::function<void()> zeigen_;
    int ordner_ = -1; // the folder of lock and socket, held open
    int sperre_ = -1;
    QLocalServer server_;
};
