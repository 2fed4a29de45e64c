#pragma once

#include <QLocalServer>
#include <QString>
#include <functional>

// One program per data folder. The first start in a folder holds a lock and listens on a local
// socket, both named after the folder; a later start in the same folder asks it there to bring its
// window to the front and then ends. The kernel releases the lock with the process that held it,
// so a killed program never blocks the next start. Lock and socket live in the user's runtime
// folder, not in the data folder.
class Einzelstart {
public:
    enum class Lage {
        Erster,       // this start runs the folder; zeigen() is called for each later start
        SchonOffen,   // another program runs the folder and has been asked to show its window
        KeineAntwort, // another program holds the folder but did not answer
    };

    Einzelstart(const QString& ordner, std::function<void()> zeigen);
    ~Einzelstart();
    Einzelstart(const Einzelstart&) = delete;
    Einzelstart& operator=(const Einzelstart&) = delete;

    Lage anmelden();

private:
    void anfrageBeantworten();

    QString name_; // lock file and socket, without their endings
    std::function<void()> zeigen_;
    int sperre_ = -1;
    QLocalServer server_;
};
