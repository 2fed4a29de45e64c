// Saving in the entry dialog: the checks of the input and the write through the main window's cursor.
#include "eintragsdialog.h"

#include "mainwindow/frmgedenkbuch.h"
#include "ui/meldungen.h"
#include "ui/zahlen.h"

#include <QDate>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

void Eintragsdialog::cmdSpeichern_Click()
{
    if (!eingabeGeprueft())
        return;
    const auto id = speichern();
    if (!id)
        return; // the user was told why; the dialog keeps every input
    haupt_.gespeichert(*id);
    accept();
}

bool Eintragsdialog::eingabeGeprueft()
{
    const QString name = txtBezeichnung->text();
    if (art_ == Art::Neu && !name.isEmpty() && bezeichnungVergeben(name)) {
        meldungen_.hinweis(QStringLiteral("Ein Datensatz mit der gleichen Bezeichnung existiert schon!"),
                           QStringLiteral("Fehler"));
        txtBezeichnung->setFocus();
        return false;
    }
    const int tag = int(ui::zahlwert(gewaehlterTag_));
    const int monat = haupt_.variablen().aktmonat;
    if (monat <= 0 || name.isEmpty() || tag <= 0) {
        meldungen_.hinweis(QStringLiteral("Es müssen die Bezeichnung, der Tag und der Monat angegeben werden!"),
                           QStringLiteral("Unvollständige Eingabe"));
        txtBezeichnung->setFocus();
        return false;
    }
    // A day that no year has would never be reminded. 29 February exists in leap years.
    if (!QDate::isValid(2000, monat, tag)) {
        meldungen_.hinweis(QStringLiteral("Diesen Tag gibt es im gewählten Monat nicht!"),
                           QStringLiteral("Ungültiges Datum"));
        optTag[tag - 1]->setFocus();
        return false;
    }
    return true;
}

// Taken only when an entry has exactly this name, upper and lower case distinguished.
bool Eintragsdialog::bezeichnungVergeben(const QString& name)
{
    store::Cursor& cursor = haupt_.datGedenkbuch();
    try {
        for (cursor.MoveFirst(); !cursor.Eof(); cursor.MoveNext()) {
            const QVariant vorhanden = cursor.Field(QStringLiteral("Bezeichnung"));
            if (!vorhanden.isNull() && vorhanden.toString() == name)
                return true;
        }
    } catch (const store::StoreError&) {
        // An empty table has no names; a read that fails shows again, with its reason, on saving.
    }
    return false;
}

std::optional<qint64> Eintragsdialog::speichern()
{
    store::Cursor& cursor = haupt_.datGedenkbuch();
    const Variablen& v = haupt_.variablen();
    const bool neu = art_ == Art::Neu;
    try {
        if (neu) {
            cursor.AddNew();
        } else {
            cursor.SetBookmark(*eintrag_);
            cursor.Edit();
        }
        cursor.SetField(QStringLiteral("Bezeichnung"), txtBezeichnung->text());
        cursor.SetField(QStringLiteral("tag"), gewaehlterTag_);
        cursor.SetField(QStringLiteral("monat"), v.aktmonat);
        // Only a year from 1001 to 9999 is stored. A change keeps the stored year for any other
        // text, but the user emptying the year shown removes it. A field that opened empty (no
        // year, or one below 1000) and stays empty keeps the stored value.
        if (v.aktjahr > 1000 && v.aktjahr < 10000)
            cursor.SetField(QStringLiteral("jahr"), v.aktjahr);
        else if (!neu && jahrGezeigt_ && txtJahr->text().trimmed().isEmpty())
            cursor.SetField(QStringLiteral("jahr"), QVariant());
        const QString bemerkungen = txtBemerkungen->toPlainText();
        if (!bemerkungen.isEmpty())
            cursor.SetField(QStringLiteral("Bemerkungen"), bemerkungen);
        else if (!neu)
            cursor.SetField(QStringLiteral("Bemerkungen"), QVariant());
        cursor.Update();
        return cursor.LastModified();
    } catch (const store::StoreError& fehler) {
        cursor.CancelUpdate();
        meldungen_.hinweis(QStringLiteral("Der Eintrag wurde nicht gespeichert.\n\n%1").arg(fehler.meldung()),
                           QStringLiteral("Fehler beim Speichern"));
        return std::nullopt;
    }
}
