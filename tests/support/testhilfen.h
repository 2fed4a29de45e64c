#pragma once

#include "mainwindow/frmgedenkbuch.h"
#include "store/cursor.h"
#include "store/store.h"
#include "ui/dienste.h"
#include "ui/fensterdienst.h"
#include "ui/listenfeld.h"
#include "ui/meldungen.h"
#include "ui/uhr.h"

#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <optional>

class QDialog;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

// A clock that always tells the same day.
class FesteUhr final : public ui::Uhr {
public:
    explicit FesteUhr(QDate heute) : heute_(heute) {}
    QDate heute() const override { return heute_; }

private:
    QDate heute_;
};

// Answers message boxes in place of a person and keeps what they said. A question for which the
// test prepared no answer is answered "Nein".
class Antwortbuch final : public ui::Meldungen {
public:
    struct Meldung {
        bool frage;
        QString text;
        QString titel;
    };
    void hinweis(const QString& text, const QString& titel) override { gezeigt.append({false, text, titel}); }
    bool frage(const QString& text, const QString& titel) override;
    void antworten(bool ja) { antworten_.append(ja); }

    QList<Meldung> gezeigt;

private:
    QList<bool> antworten_;
};

// Runs modal dialogs without a person: each opening takes the next prepared action, which drives
// the dialog's widgets; a dialog still open afterwards is closed and counted.
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

struct Testdienste {
    explicit Testdienste(QDate heute = QDate(2026, 12, 30)) : uhr(heute) {}
    FesteUhr uhr;
    Antwortbuch meldungen;
    Dialogregie dialoge;
    ui::Dienste dienste{uhr, meldungen, dialoge};
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

    QString pfad() const { return ordner_.filePath(store::dateiname); }
    QString ordner() const { return ordner_.path(); }
    std::unique_ptr<store::Store> oeffnen() const { return store::Store::open(pfad()); }

    // Adds entries through the cursor, in this order; gives their identities.
    QList<qint64> hinzufuegen(const QList<Testeintrag>& eintraege) const;
    // Runs SQL on the file directly, for records the program itself would never write.
    void sqlAusfuehren(const char* sql) const;
    // Every record in store order as its five fields, "-" standing for a null field.
    QList<QStringList> saetze() const;

private:
    QTemporaryDir ordner_;
    QString vorherigerOrdner_;
};

// A main window on a real database file with a fixed day, read and driven by object names.
class Hauptfensterprobe {
public:
    // A read-only window refuses every write as a read-only file does (query_only holds even for
    // root, who may write any file).
    Hauptfensterprobe(QDate heute, const QList<Testeintrag>& eintraege = {}, bool schreibgeschuetzt = false);
    ~Hauptfensterprobe();

    frmGedenkbuch& fenster() { return *fenster_; }
    template <typename T> T* finden(const QString& name) const { return fenster_->findChild<T*>(name); }
    ui::Listenfeld& voll() const { return *finden<ui::Listenfeld>(QStringLiteral("lstGedenkbuch")); }
    ui::Listenfeld& tagesliste(int slot) const { return *finden<ui::Listenfeld>(QStringLiteral("List%1").arg(slot)); }
    QStringList zeilen(int slot) const;
    QString titel(int slot) const;

    // The detail panel as "Bezeichnung|Tag|Monat|Jahr|Bemerkungen", prefixed "aus:" when disabled.
    QString angaben() const;
    // The enabled commands among "Löschen" and "Ändern", e.g. "Löschen Ändern".
    QString befehle() const;
    void klicken(const char* taste);
    // A mouse press on the empty part of the full list, which makes the commands available.
    void mausInDieListe();
    void zeigen(); // shown and active, for focus and real clicks

    Testdatenbank db;
    Testdienste t;
    QList<qint64> ids;

private:
    std::unique_ptr<frmGedenkbuch> fenster_;
};

// The controls of an open entry dialog.
struct Eintragsprobe {
    QDialog& d;
    QLineEdit* name() const;
    QLineEdit* jahr() const;
    QPlainTextEdit* bemerkungen() const;
    QRadioButton* tag(int t) const;
    QRadioButton* monat(int m) const;
    QString anzeige() const;
    void klick(QRadioButton* knopf) const;
    void ausfuellen(const QString& n, int t, int m, const QString& j = {}) const;
    void speichern() const;
    void abbrechen() const;
};

// The search dialog: runs a search and gives the result lines.
QStringList suchlauf(QDialog& d, const QString& begriff);

QStringList zeilenVon(const ui::Listenfeld& liste);
void zeileAnklicken(ui::Listenfeld& liste, int row, Qt::MouseButton taste = Qt::LeftButton);
QByteArray dateiinhalt(const QString& pfad);
