#pragma once

#include "mainwindow/frmgedenkbuch.h"
#include "store/cursor.h"
#include "store/store.h"
#include "ui/dienste.h"
#include "ui/fensterdienst.h"
#include "ui/meldungen.h"
#include "ui/listenfeld.h"
#include "ui/uhr.h"

#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <optional>

// A clock that always tells the same day.
class FesteUhr final : public ui::Uhr {
public:
    explicit FesteUhr(QDate heute) : heute_(heute) {}
    QDate heute() const override { return heute_; }
    void stellen(QDate heute) { heute_ = heute; }

private:
    QDate heute_;
};

// Answers message boxes in place of a person and keeps what they said. A question for which the
// test prepared no answer is answered "Nein" and noted as unexpected.
class Antwortbuch final : public ui::Meldungen {
public:
    struct Meldung {
        bool frage;
        QString text;
        QString titel;
    };

    void hinweis(const QString& text, const QString& titel) override;
    bool frage(const QString& text, const QString& titel) override;

    void antworten(bool ja) { antworten_.append(ja); }

    QList<Meldung> gezeigt;
    int unerwarteteFragen = 0;

private:
    QList<bool> antworten_;
};

// One entry as a test writes it; an empty optional leaves the field unwritten.
struct Testeintrag {
    QString name;
    int tag;
    int monat;
    std::optional<int> jahr = std::nullopt;
    std::optional<QString> bemerkungen = std::nullopt;
};

// A fresh daten.mdb made by the program's own store in a temporary folder, which is also the
// working directory while the object lives.
class Testdatenbank {
public:
    Testdatenbank();
    ~Testdatenbank();

    QString pfad() const;
    QString ordner() const { return ordner_.path(); }
    std::unique_ptr<store::Store> oeffnen() const;

    // Adds entries through the cursor, in this order; gives their identities.
    QList<qint64> hinzufuegen(const QList<Testeintrag>& eintraege) const;
    // Runs SQL on the file directly, for records the program itself would never write.
    void sqlAusfuehren(const char* sql) const;

private:
    QTemporaryDir ordner_;
    QString vorherigerOrdner_;
};

// Runs modal dialogs without a person: each opening takes the next prepared action, which drives
// the dialog's widgets; a dialog still open afterwards is closed and noted as unexpected.
class Dialogregie final : public ui::Fensterdienst {
public:
    using Handlung = std::function<void(QDialog&)>;
    void modalZeigen(QDialog& dialog) override;
    void dann(Handlung handlung) { handlungen_.append(std::move(handlung)); }

    int geoeffnet = 0;
    int nichtGeschlossen = 0;

private:
    QList<Handlung> handlungen_;
};

// Test services around a fixed day.
struct Testdienste {
    explicit Testdienste(QDate heute = QDate(2026, 12, 30)) : uhr(heute) {}
    FesteUhr uhr;
    Antwortbuch meldungen;
    Dialogregie dialoge;
    ui::Dienste dienste{uhr, meldungen, dialoge};
};

QByteArray dateiinhalt(const QString& pfad);


// A main window on a real database file with a fixed day, its controls found by object name.
class Hauptfensterprobe {
public:
    Hauptfensterprobe(QDate heute, const QList<Testeintrag>& eintraege = {});
    ~Hauptfensterprobe();

    frmGedenkbuch& fenster() { return *fenster_; }
    ui::Listenfeld& voll() const;
    ui::Listenfeld& tagesliste(int slot) const;
    QStringList zeilen(int slot) const; // the lines of a day list
    QString titel(int slot) const;      // the caption of its frame
    template <typename T> T* finden(const QString& name) const { return fenster_->findChild<T*>(name); }

    Testdatenbank db;
    Testdienste t;
    QList<qint64> ids;

private:
    std::unique_ptr<frmGedenkbuch> fenster_;
};

QStringList zeilenVon(const ui::Listenfeld& liste);
// A mouse click on a line of a list, as a user makes it.
void zeileAnklicken(ui::Listenfeld& liste, int row, Qt::MouseButton taste = Qt::LeftButton);
