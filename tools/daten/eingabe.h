// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

namespace daten {

class Befehl;

// One option or positional argument of a command, declared once as a member of the command: its
// name, its line in the help, and its value, read once at the door into the type of its kind. A
// command's options and arguments keep the order of their declarations, in the call and in the help.
class Eingabe {
public:
    // "--datum DATUM": `wert` names the value in the call and the help, a switch has none; `fehlt`
    // is what a missing value is called, "das Format".
    struct Option {
        const char* name;
        const char* wert;
        QString hilfe; // one line
        const char* fehlt = nullptr;
        bool noetig = false;
    };
    // "TAGE", after the command's name in the call.
    struct Argument {
        const char* name;
        bool noetig = true;
    };

    // Registered with `befehl` unless that is null.
    Eingabe(Befehl* befehl, Option option);
    Eingabe(Befehl* befehl, Argument argument);
    virtual ~Eingabe() = default;
    Eingabe(const Eingabe&) = delete;
    Eingabe& operator=(const Eingabe&) = delete;

    QString name() const { return QString::fromUtf8(name_); }
    bool istOption() const { return option_; }
    bool istSchalter() const { return option_ && !wert_; }
    bool noetig() const { return noetig_; }
    bool gesetzt() const { return gesetzt_; }
    // What a missing value is called, and the option's line in the help.
    QString fehlt() const { return QString::fromUtf8(fehlt_); }
    virtual QString hilfe() const { return hilfe_; }

    // Takes the value as typed; false, and nothing taken, when it is none of this kind.
    bool lesen(const QString& text);
    // What is allowed, for a refusal: "eine Zahl von 0 bis 30"; empty where any text is.
    virtual QString erlaubt() const { return {}; }
    // The value in a call: "DATUM", or the choices of a choice, "csv|ics".
    virtual QString platzhalter() const { return QString::fromUtf8(option_ ? wert_ : name_); }
    // A choice is named by its command in a refusal, as it says what the command does.
    virtual bool istAuswahl() const { return false; }

protected:
    virtual bool annehmen(const QString& text) = 0;

private:
    const char* name_;
    const char* wert_ = nullptr;
    QString hilfe_;
    const char* fehlt_ = nullptr;
    bool option_;
    bool noetig_;
    bool gesetzt_ = false;
};

class Schalter : public Eingabe {
public:
    Schalter(Befehl* befehl, const char* name, const char* hilfe) : Eingabe(befehl, Option{name, nullptr, hilfe}) {}

protected:
    bool annehmen(const QString&) override { return true; }
};

// Any text but an empty one: an empty argument is one missing. Null while not given.
class Text final : public Eingabe {
public:
    using Eingabe::Eingabe;
    const QString& wert() const { return text_; }

protected:
    bool annehmen(const QString& text) override;

private:
    QString text_;
};

// A whole number from `von` to `bis`. Its help line may name them and the default as {von},
// {bis} and {vorgabe}, so that each is stated here only.
class Zahl : public Eingabe {
public:
    Zahl(Befehl* befehl, Option option, int von, int bis, std::optional<int> vorgabe = {})
        : Eingabe(befehl, std::move(option)), von_(von), bis_(bis), vorgabe_(vorgabe)
    {
    }
    Zahl(Befehl* befehl, Argument argument, int von, int bis, int vorgabe)
        : Eingabe(befehl, argument), von_(von), bis_(bis), vorgabe_(vorgabe)
    {
    }
    // As given, else the default.
    int wert() const { return gesetzt() ? zahl_ : vorgabe_.value_or(0); }
    int von() const { return von_; }
    int bis() const { return bis_; }
    int vorgabe() const { return vorgabe_.value_or(0); }
    QString hilfe() const override;
    QString erlaubt() const override;

protected:
    bool annehmen(const QString& text) override;

private:
    int von_, bis_;
    std::optional<int> vorgabe_;
    int zahl_ = 0;
};

// A day of the calendar, as 2026-12-24 or 24.12.2026.
class Datum : public Eingabe {
public:
    using Eingabe::Eingabe;
    // How a day is written: "JJJJ-MM-TT oder TT.MM.JJJJ".
    static QString formen();
    QDate wert(QDate ohneAngabe) const { return gesetzt() ? datum_ : ohneAngabe; }
    QString erlaubt() const override;

protected:
    bool annehmen(const QString& text) override;

private:
    QDate datum_;
};

// One of some words, shown as "csv|ics" in the call.
class Auswahl final : public Eingabe {
public:
    template <typename Angabe>
    Auswahl(Befehl* befehl, Angabe angabe, QStringList moeglich)
        : Eingabe(befehl, std::move(angabe)), moeglich_(std::move(moeglich))
    {
    }
    const QString& wert() const { return wahl_; }
    QString erlaubt() const override;
    QString platzhalter() const override { return moeglich_.join(u'|'); }
    bool istAuswahl() const override { return true; }

protected:
    bool annehmen(const QString& text) override;

private:
    QStringList moeglich_;
    QString wahl_;
};

using Option = Eingabe::Option;
using Argument = Eingabe::Argument;

} // namespace daten
