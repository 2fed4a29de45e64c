// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/uhr.h"
#include "windows/common/dienste.h"
#include "windows/common/fensterdienst.h"
#include "windows/common/meldungen.h"

#include <QDate>
#include <QStringList>
#include <functional>

// A clock that tells the day a test gives it, and a new one when the test sets it.
class FesteUhr final : public core::Uhr {
public:
    explicit FesteUhr(QDate heute) : heute_(heute) {}
    QDate heute() const override { return heute_; }
    void stellen(QDate heute)
    {
        heute_ = heute;
        emit datumGeaendert();
    }

private:
    QDate heute_;
};

// Answers message boxes in place of a person and notes each as "Titel: Text" ("?" before a
// question). A question for which the test prepared no answer is answered "Nein"; `waehrend` runs
// while it is asked, as another program might meanwhile.
class Antwortbuch final : public ui::Meldungen {
public:
    void hinweis(const QString& text, const QString& titel) override { gezeigt << titel + QStringLiteral(": ") + text; }
    bool frage(const QString& text, const QString& titel) override;
    void antworten(bool ja, std::function<void()> waehrend = {}) { antworten_.append({ja, std::move(waehrend)}); }

    QStringList gezeigt;

private:
    QList<std::pair<bool, std::function<void()>>> antworten_;
};

// Runs modal dialogs without a person: each opening takes the next prepared action, which drives
// the dialog's widgets while it is modal; a dialog still open afterwards is cancelled.
class Dialogregie final : public ui::Fensterdienst {
public:
    using Handlung = std::function<void(QDialog&)>;
    void modalZeigen(QDialog& dialog) override;
    void dann(Handlung handlung) { handlungen_.append(std::move(handlung)); }

    int geoeffnet = 0;

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
