#include "csv.h"

#include "datum.h"
#include "zeichensatz.h"

#include "store/schema.h"

#include <QHash>
#include <QStringBuilder>
#include <algorithm>
#include <array>

namespace exchange {

namespace {

enum Spalte { Name, Vorname, Nachname, Tag, Monat, Jahr, Datum_, Bemerkungen, spalten };

Spalte spalteZu(const QString& kopf)
{
    static const QHash<QString, Spalte> namen = [] {
        QHash<QString, Spalte> n;
        const auto setzen = [&n](Spalte s, std::initializer_list<const char*> woerter) {
            for (const char* w : woerter)
                n.insert(QString::fromUtf8(w), s);
        };
        setzen(Name, {"bezeichnung", "name", "vollständiger name", "anzeigename", "full name", "display name"});
        setzen(Vorname, {"vorname", "first name", "given name"});
        setzen(Nachname, {"nachname", "familienname", "last name", "family name", "surname"});
        setzen(Tag, {"tag", "day"});
        setzen(Monat, {"monat", "month"});
        setzen(Jahr, {"jahr", "year"});
        setzen(Datum_, {"geburtstag", "geburtsdatum", "datum", "birthday", "date of birth", "birth date", "date"});
        setzen(Bemerkungen, {"bemerkungen", "bemerkung", "notiz", "notizen", "anmerkungen", "kommentar", "notes", "note",
                             "remarks", "comment"});
        return n;
    }();
    return namen.value(kopf.trimmed().toLower(), spalten);
}

// Splits the text into records of fields. `trenner` comes from the header line: the most frequent
// of comma, semicolon and tab outside quotes.
class Zerleger {
public:
    explicit Zerleger(const QString& text) : text_(text)
    {
        std::array<int, 3> anzahl{};
        bool inAnfuehrung = false;
        for (qsizetype i = 0; i < text_.size() && (inAnfuehrung || (text_[i] != u'\n' && text_[i] != u'\r')); ++i) {
            const QChar c = text_[i];
            inAnfuehrung = c == u'"' ? !inAnfuehrung : inAnfuehrung;
            anzahl[0] += !inAnfuehrung && c == u',';
            anzahl[1] += !inAnfuehrung && c == u';';
            anzahl[2] += !inAnfuehrung && c == u'\t';
        }
        trenner_ = anzahl[1] > anzahl[0] && anzahl[1] >= anzahl[2] ? u';' : anzahl[2] > anzahl[0] ? u'\t' : u',';
    }

    // The next record and the line it begins on; false at the end.
    bool naechster(QStringList& felder, int& zeile)
    {
        felder.clear();
        if (pos_ >= text_.size())
            return false;
        zeile = zeile_;
        QString feld;
        bool inAnfuehrung = false;
        for (; pos_ < text_.size(); ++pos_) {
            const QChar c = text_[pos_];
            if (inAnfuehrung) {
                if (c == u'"' && pos_ + 1 < text_.size() && text_[pos_ + 1] == u'"')
                    feld += text_[++pos_];
                else if (c == u'"')
                    inAnfuehrung = false;
                else
                    feld += c;
                zeile_ += c == u'\n' || (c == u'\r' && !folgt(u'\n'));
            } else if (c == u'"' && feld.isEmpty()) {
                inAnfuehrung = true;
            } else if (c == trenner_) {
                felder.append(std::exchange(feld, QString()));
            } else if (c == u'\r' || c == u'\n') {
                pos_ += c == u'\r' && folgt(u'\n') ? 2 : 1;
                ++zeile_;
                break;
            } else {
                feld += c;
            }
        }
        if (inAnfuehrung)
            throw Abweisung(QStringLiteral("Zeile %1: Ein Feld in Anführungszeichen wird nie geschlossen; "
                                           "die Datei ist wohl unvollständig.").arg(zeile));
        felder.append(feld);
        return true;
    }

private:
    bool folgt(QChar c) const { return pos_ + 1 < text_.size() && text_[pos_ + 1] == c; }

    const QString& text_;
    QChar trenner_;
    qsizetype pos_ = 0;
    int zeile_ = 1;
};

// A whole number in a field; 0 for an empty field, none for anything else.
std::optional<int> zahl(const QString& feld)
{
    bool ok = false;
    const int wert = feld.trimmed().toInt(&ok);
    return feld.trimmed().isEmpty() ? std::optional(0) : ok ? std::optional(wert) : std::nullopt;
}

QString feldtext(const QString& wert)
{
    static const QString besondere = QStringLiteral(",;\"\r\n");
    if (std::none_of(wert.cbegin(), wert.cend(), [](QChar c) { return besondere.contains(c); }))
        return wert;
    return u'"' % QString(wert).replace(u'"', QStringLiteral("\"\"")) % u'"';
}

} // namespace

Gelesen csvLesen(QByteArrayView inhalt)
{
    const auto text = dekodieren(inhalt);
    if (!text)
        throw Abweisung(QStringLiteral("Die Datei ist in einer unbekannten Kodierung geschrieben (weder UTF-8 noch "
                                       "Windows-1252)."));
    Zerleger zerleger(*text);
    QStringList felder;
    int zeile = 0;
    zerleger.naechster(felder, zeile);
    std::array<qsizetype, spalten> spalte;
    spalte.fill(-1);
    std::array<QString, spalten> kopfnamen; // as the file names them, for the reasons
    for (qsizetype i = felder.size() - 1; i >= 0; --i) {
        if (const Spalte s = spalteZu(felder[i]); s != spalten) {
            spalte[s] = i;
            kopfnamen[s] = felder[i].trimmed();
        }
    }
    const bool mitName = spalte[Name] >= 0 || spalte[Vorname] >= 0 || spalte[Nachname] >= 0;
    const bool mitDatum = (spalte[Tag] >= 0 && spalte[Monat] >= 0) || spalte[Datum_] >= 0;
    if (!mitName || !mitDatum)
        throw Abweisung(QStringLiteral("Die erste Zeile nennt keine Spalte für %1. Erwartet wird eine vCard-Datei "
                                       "oder eine CSV-Datei, deren erste Zeile die Spalten benennt, etwa "
                                       "„Bezeichnung,tag,monat,jahr,Bemerkungen“ oder „Name;Geburtstag;Notizen“.")
                            .arg(mitName ? QStringLiteral("das Datum") : QStringLiteral("den Namen")));

    Gelesen gelesen;
    gelesen.quelle = Gelesen::Quelle::Zeile;
    while (zerleger.naechster(felder, zeile)) {
        if (felder.join(QString()).trimmed().isEmpty())
            continue;
        const auto feld = [&felder, &spalte](Spalte s) { return spalte[s] >= 0 ? felder.value(spalte[s]) : QString(); };
        Satz satz{zeile, feld(Name), 0, 0, std::nullopt, feld(Bemerkungen)};
        if (satz.name.trimmed().isEmpty())
            satz.name = (feld(Vorname) + u' ' + feld(Nachname)).simplified();
        QString grund;
        if (spalte[Tag] >= 0 && spalte[Monat] >= 0) {
            std::array<int, 3> werte{};
            for (const Spalte s : {Tag, Monat, Jahr}) {
                const auto wert = zahl(feld(s));
                if (!wert && grund.isEmpty())
                    grund = QStringLiteral("%1 „%2“ ist keine ganze Zahl").arg(kopfnamen[s], feld(s).trimmed());
                werte[s - Tag] = wert.value_or(0);
            }
            satz.tag = werte[0];
            satz.monat = werte[1];
            if (werte[2] != 0)
                satz.jahr = werte[2];
        } else if (const QString datum = feld(Datum_).trimmed(); !datum.isEmpty()) {
            const Datumsangabe angabe = datumLesen(datum);
            if (angabe.datum) {
                satz.tag = angabe.datum->tag;
                satz.monat = angabe.datum->monat;
                satz.jahr = angabe.datum->jahr;
            } else {
                grund = QStringLiteral("%1 „%2“ %3").arg(kopfnamen[Datum_], datum, angabe.grund);
            }
        }
        if (grund.isEmpty())
            gelesen.saetze.append(satz);
        else
            gelesen.auslassungen.append({zeile, satz.name, grund});
    }
    return gelesen;
}

QByteArray csvSchreiben(const QList<core::Eintrag>& eintraege)
{
    QStringList kopf;
    for (const char* name : store::feldnamen)
        kopf << QString::fromLatin1(name);
    QString text = kopf.join(u',') + QStringLiteral("\r\n");
    for (const core::Eintrag& e : eintraege) {
        text += feldtext(e.Bezeichnung) % u',' % QString::number(e.tag) % u',' % QString::number(e.monat) % u','
            % (e.jahr ? QString::number(*e.jahr) : QString()) % u',' % feldtext(e.Bemerkungen) % QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

} // namespace exchange
