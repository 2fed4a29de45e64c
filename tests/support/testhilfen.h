#pragma once

#include "store/cursor.h"
#include "store/store.h"
#include "ui/dienste.h"
#include "ui/meldungen.h"
#include "ui/uhr.h"

#include <QTemporaryDir>
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

// Test services around a fixed day.
struct Testdienste {
    explicit Testdienste(QDate heute = QDate(2026, 12, 30)) : uhr(heute) {}
    FesteUhr uhr;
    Antwortbuch meldungen;
    ui::Dienste dienste{uhr, meldungen};
};

QByteArray dateiinhalt(const QString& pfad);
