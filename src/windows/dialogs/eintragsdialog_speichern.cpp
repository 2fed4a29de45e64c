// Saving in the entry dialog: the checks of the input and the write of the record.
#include "eintragsdialog.h"

#include "core/durchlauf.h"
#include "core/eintragsbuch.h"
#include "core/zahlen.h"
#include "windows/common/bemerkungsfeld.h"
#include "windows/common/meldungen.h"

#include <QDate>
#include <QLineEdit>
#include <QRadioButton>

using store::Feld;

void Eintragsdialog::cmdSpeichern_Click()
{
    if (!eingabeGeprueft())
        return;
    gespeichert_ = speichern();
    if (gespeichert_)
        accept(); // otherwise the user was told why, and the dialog keeps every input
}

bool Eintragsdialog::eingabeGeprueft()
{
    const QString name = txtBezeichnung->text();
    if (art_ == Art::Neu && !name.isEmpty()) {
        const core::Eintragsbuch::Namenspruefung pruefung = buch_.nameVergeben(name);
        if (pruefung.durchlauf.fehler) {
            // Only a walk over every entry tells that the name is free.
            meldungen_.hinweis(QStringLiteral("Der Eintrag wurde nicht gespeichert: Ob es die Bezeichnung schon gibt, "
                                              "ließ sich nicht prüfen.\n\n%1")
                                   .arg(core::fehlertext(*pruefung.durchlauf.fehler)),
                               QStringLiteral("Fehler beim Speichern"));
            return false;
        }
        if (pruefung.vergeben) {
            meldungen_.hinweis(QStringLiteral("Ein Datensatz mit der gleichen Bezeichnung existiert schon!"),
                               QStringLiteral("Fehler"));
            txtBezeichnung->setFocus();
            return false;
        }
    }
    const int tag = int(core::zahlwert(gewaehlterTag_));
    if (gewaehlterMonat_ <= 0 || name.isEmpty() || tag <= 0) {
        meldungen_.hinweis(QStringLiteral("Es müssen die Bezeichnung, der Tag und der Monat angegeben werden!"),
                           QStringLiteral("Unvollständige Eingabe"));
        txtBezeichnung->setFocus();
        return false;
    }
    if (!core::gibtEsDenTag(tag, gewaehlterMonat_)) {
        meldungen_.hinweis(QStringLiteral("Diesen Tag gibt es im gewählten Monat nicht!"),
                           QStringLiteral("Ungültiges Datum"));
        optTag[tag - 1]->setFocus();
        return false;
    }
    return true;
}

std::optional<qint64> Eintragsdialog::speichern()
{
    const bool neu = art_ == Art::Neu;
    // A new entry writes every field it has; a change only those the user changed.
    const auto geaendert = [&](Feld feld, const QString& jetzt, const QString& vorher) {
        return neu || jetzt != vorher || ausgang_.getippt[std::size_t(feld)];
    };
    core::Aenderung aenderung;
    if (geaendert(Feld::Bezeichnung, txtBezeichnung->text(), ausgang_.bezeichnung))
        aenderung.setzen(Feld::Bezeichnung, txtBezeichnung->text());
    if (geaendert(Feld::tag, gewaehlterTag_, ausgang_.tag))
        aenderung.setzen(Feld::tag, gewaehlterTag_);
    if (geaendert(Feld::monat, QString::number(gewaehlterMonat_), ausgang_.monat))
        aenderung.setzen(Feld::monat, gewaehlterMonat_);
    // Only a year from 1001 to 9999 is stored. A change keeps the stored year for any other text,
    // but the user emptying the year the dialog opened with removes it. A field that opened empty
    // (no year, or one below 1000) and stays empty keeps the stored value.
    if (geaendert(Feld::jahr, txtJahr->text(), ausgang_.jahr)) {
        if (core::istJahr(eingegebenesJahr_))
            aenderung.setzen(Feld::jahr, eingegebenesJahr_);
        else if (!neu && !ausgang_.jahr.isEmpty() && txtJahr->text().trimmed().isEmpty())
            aenderung.setzen(Feld::jahr, QVariant());
    }
    const QString bemerkungen = txtBemerkungen->text();
    if (geaendert(Feld::Bemerkungen, bemerkungen, ausgang_.bemerkungen)) {
        if (!bemerkungen.isEmpty())
            aenderung.setzen(Feld::Bemerkungen, bemerkungen);
        else if (!neu)
            aenderung.setzen(Feld::Bemerkungen, QVariant());
    }

    try {
        return buch_.speichern(eintrag_, aenderung);
    } catch (const store::StoreError& fehler) {
        meldungen_.hinweis(QStringLiteral("Der Eintrag wurde nicht gespeichert.\n\n%1").arg(core::fehlertext(fehler)),
                           QStringLiteral("Fehler beim Speichern"));
        return std::nullopt;
    }
}
