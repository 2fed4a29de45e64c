// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "datenbank.h"
#include "dienste.h"
#include "windows/common/listenfeld.h"
#include "windows/mainwindow/frmgedenkbuch.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

struct Eintragsprobe;

// What a main window shows, one line a part:
//   "Tage: 0 0 2 0 0 0 0 0 0"        the counts of the nine captions ("Tage: -" without)
//   "Heute: Zora (36.) / Anna"         each day list with lines, by its caption's first word
//   "Liste: 01-01 A / [02-02 B]"       the full list; [selected], ^ before the top line once
//                                       the list is scrolled
//   "Angaben: Anna|10|6|1990|"         the detail panel, "aus:" before it when disabled
//   "Befehle: Löschen Ändern"          the entry commands available ("-" for none)
QStringList bild(const frmGedenkbuch& fenster);

// A main window on a real database file with a fixed day, read and driven by object names.
class Fensterprobe {
public:
    explicit Fensterprobe(QDate heute, const Eintraege& eintraege = {},
                          store::Store::Zugriff zugriff = store::Store::Zugriff::Schreiben);

    QStringList bild() const { return ::bild(*fenster_); }

    frmGedenkbuch& fenster() { return *fenster_; }
    template <typename T> T* finden(const QString& name) const { return fenster_->findChild<T*>(name); }
    ui::Listenfeld& voll() const { return *finden<ui::Listenfeld>(QStringLiteral("lstGedenkbuch")); }

    void klicken(const char* taste);
    // A mouse press on the empty part of the full list, which makes the commands available.
    void mausInDieListe();
    // Shown and active, for focus and real clicks; false when the window did not become active.
    bool zeigen();
    // Opens a dialog by its command and runs `handlung` on it, as the user would; the same for an
    // entry dialog, driven through its controls.
    void mitDialog(const char* taste, Dialogregie::Handlung handlung);
    void mitEintragsdialog(const char* taste, std::function<void(const Eintragsprobe&)> handlung);

    Testdatenbank db;
    Testdienste t;
    QList<qint64> ids;

private:
    std::unique_ptr<frmGedenkbuch> fenster_;
};

// The controls of an open entry dialog.
struct Eintragsprobe {
    QDialog& d;
    template <typename T> T* feld(const QString& name) const { return d.findChild<T*>(name); }
    QLineEdit* name() const { return feld<QLineEdit>(QStringLiteral("txtBezeichnung")); }
    QLineEdit* jahr() const { return feld<QLineEdit>(QStringLiteral("txtJahr")); }
    QPlainTextEdit* bemerkungen() const { return feld<QPlainTextEdit>(QStringLiteral("txtBemerkungen")); }
    QRadioButton* tag(int t) const { return feld<QRadioButton>(QStringLiteral("optTag%1").arg(t - 1)); }
    QRadioButton* monat(int m) const { return feld<QRadioButton>(QStringLiteral("optMonat%1").arg(m - 1)); }
    QString anzeige() const { return feld<QLabel>(QStringLiteral("lblAnzeige"))->text(); }
    void klick(QRadioButton* knopf) const { QTest::mouseClick(knopf, Qt::LeftButton, {}, QPoint(6, 8)); }
    void ausfuellen(const QString& n, int t, int m, const QString& j = {}) const;
    void speichern() const { QTest::mouseClick(feld<QPushButton>(QStringLiteral("cmdSpeichern")), Qt::LeftButton); }
    void abbrechen() const { QTest::mouseClick(feld<QPushButton>(QStringLiteral("cmdAbbrechen")), Qt::LeftButton); }
};

// The search dialog: runs a search and gives the result lines.
QStringList suchlauf(QDialog& d, const QString& begriff);
ui::Listenfeld& suchergebnisse(QDialog& d);

void zeileAnklicken(ui::Listenfeld& liste, int row, Qt::MouseButton taste = Qt::LeftButton);
