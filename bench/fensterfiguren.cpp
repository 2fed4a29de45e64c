// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fensterfiguren.h"

#include "core/eintragsbuch.h"
#include "core/uhr.h"
#include "store/cursor.h"
#include "store/store.h"
#include "windows/common/fensterdienst.h"
#include "windows/common/listenfeld.h"
#include "windows/common/meldungen.h"
#include "windows/mainwindow/frmgedenkbuch.h"
#include "windows/search/frmsuche.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTextStream>
#include <memory>

namespace {

// Nothing in a benchmark asks the user; a message would be a fault of the run.
class KeineMeldungen final : public ui::Meldungen {
public:
    void hinweis(const QString& text, const QString&) override { qFatal("Meldung: %s", qPrintable(text)); }
    bool frage(const QString& text, const QString&) override { qFatal("Frage: %s", qPrintable(text)); }
};

ui::Dienste& dienste()
{
    static core::SystemUhr uhr;
    static KeineMeldungen meldungen;
    static ui::Dialogfenster fenster;
    static ui::Dienste d{uhr, meldungen, fenster};
    return d;
}

// The store with the one cursor and the entry book over it, as the main window has them.
struct Buch {
    explicit Buch(const QString& pfad)
        : store(store::Store::open(pfad)), cursor(*store, store::Cursor::Umfang::OhneBemerkungen), buch(*store, cursor)
    {
    }
    std::unique_ptr<store::Store> store;
    store::Cursor cursor;
    core::Eintragsbuch buch;
};

Figur suche(const QString& pfad, const QString& begriff)
{
    auto buch = std::make_shared<Buch>(pfad);
    const int jahr = dienste().uhr.heute().year();
    auto dialog = std::make_shared<frmSuche>([buch, jahr](const QString& b) { return buch->buch.suchen(b, jahr); },
                                             dienste().meldungen, nullptr);
    auto* text = dialog->findChild<QLineEdit*>(QStringLiteral("txtSuche"));
    auto* start = dialog->findChild<QPushButton*>(QStringLiteral("cmdSuchStart"));
    return {[=] { text->setText(begriff); }, [buch, dialog, start] { start->click(); }};
}

} // namespace

const QStringList& fensterfiguren()
{
    static const QStringList namen
        = {"oeffnen", "listenaufbau", "auffrischen", "nachschlagen", "suchen", "suchen_viele_treffer"};
    return namen;
}

Figur fensterfigur(const QString& name, const QString& pfad)
{
    if (name == QLatin1String("oeffnen"))
        return {[] {}, [pfad] { store::Store::open(pfad); }};
    if (name == QLatin1String("listenaufbau")) {
        // The full list: one walk, one line per entry, sorted into the list box.
        auto buch = std::make_shared<Buch>(pfad);
        auto liste = std::make_shared<ui::Listenfeld>(true);
        return {[liste] { liste->leeren(); },
                [buch, liste] { liste->hinzufuegen(buch->buch.fenster(QDate(2026, 6, 10)).voll); }};
    }
    // The main window: a whole refresh (full list, captions, day lists, next anniversary), and a
    // click on the last line of the full list, which finds the entry and shows it in the panel.
    if (name == QLatin1String("auffrischen") || name == QLatin1String("nachschlagen")) {
        auto fenster = std::make_shared<frmGedenkbuch>(dienste(), store::Store::open(pfad));
        if (name == QLatin1String("auffrischen"))
            return {[] {}, [fenster] { fenster->auffrischen(); }};
        auto* voll = fenster->findChild<ui::Listenfeld*>(QStringLiteral("lstGedenkbuch"));
        return {[voll] { voll->waehlen(-1); }, [fenster, voll] { voll->waehlen(voll->anzahl() - 1); }};
    }
    // A search for a name (one entry in 24 matches), and one that two thirds of all match.
    if (name == QLatin1String("suchen"))
        return suche(pfad, QStringLiteral("Quirin"));
    if (name == QLatin1String("suchen_viele_treffer"))
        return suche(pfad, QStringLiteral("er"));
    qFatal("Unbekannte Figur %s", qPrintable(name));
}

int figurAllein(const QString& name, const QString& pfad)
{
    {
        const Figur figur = fensterfigur(name, pfad);
        figur.vorher();
        figur.aktion();
    }
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 1;
    for (const QByteArray& zeile : status.readAll().split('\n')) {
        if (zeile.startsWith("VmHWM:"))
            QTextStream(stdout) << zeile.mid(6).trimmed().split(' ').constFirst() << Qt::endl;
    }
    return 0;
}
