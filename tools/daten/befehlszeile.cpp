// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "befehlszeile.h"

#include "core/steuerzeichen.h"

#include <QCommandLineParser>
#include <QStringDecoder>

namespace {

const QString allgemeinerAufruf = QStringLiteral("Aufruf: gedenkbuch-daten [--ordner ORDNER] BEFEHL [ARGUMENTE]");

// "csv oder ics", "erinnern, fenster oder aus".
QString oder(const QStringList& moeglich)
{
    if (moeglich.size() < 2)
        return moeglich.join(QString());
    return moeglich.first(moeglich.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" oder ") + moeglich.last();
}

QString erlaubt(const Wertart& art)
{
    switch (art.art) {
    case Wertart::Zahl:
        return QStringLiteral("eine Zahl von %1 bis %2").arg(art.von).arg(art.bis);
    case Wertart::Datum:
        return QStringLiteral("ein Datum, das es gibt, als JJJJ-MM-TT oder TT.MM.JJJJ");
    case Wertart::Auswahl:
        return oder(art.auswahl);
    case Wertart::Text:
        break;
    }
    return {};
}

// The value as its kind, read once here; none when it does not fit.
std::optional<QVariant> lesen(const Wertart& art, const QString& wert)
{
    switch (art.art) {
    case Wertart::Zahl: {
        bool zahl = false;
        const int n = wert.toInt(&zahl);
        return zahl && n >= art.von && n <= art.bis ? std::optional<QVariant>(n) : std::nullopt;
    }
    case Wertart::Datum: {
        const QDate datum = datumLesen(wert);
        return datum.isValid() ? std::optional<QVariant>(datum) : std::nullopt;
    }
    case Wertart::Auswahl:
        return art.auswahl.contains(wert) ? std::optional<QVariant>(wert) : std::nullopt;
    case Wertart::Text:
        break;
    }
    return wert;
}

QStringList namen(const Option& option)
{
    if (qstrcmp(option.name, "help") == 0)
        return {QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("hilfe")};
    return {QLatin1String(option.name)};
}

// As typed: "-h", "--hilfe".
QString anzeige(const QString& name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

void aufbauen(QCommandLineParser& parser, const QList<Option>& optionen)
{
    for (const Option& o : optionen)
        parser.addOption(QCommandLineOption(namen(o), QString(), o.wert ? QString::fromUtf8(o.wert) : QString()));
}

QString fehlenderWert(const Option& option)
{
    const QString was
        = QStringLiteral("Nach --%1 fehlt %2").arg(QLatin1String(option.name), QString::fromUtf8(option.fehlt));
    const QString moeglich = erlaubt(option.art);
    return moeglich.isEmpty() ? was + u'.' : QStringLiteral("%1; erlaubt ist %2.").arg(was, moeglich);
}

QString unpassend(const QString& wert, const QString& wofuer, const Wertart& art)
{
    return QStringLiteral("„%1“ ist für %2 nicht erlaubt; erlaubt ist %3.").arg(wert, wofuer, erlaubt(art));
}

// parse() failed: an unknown option, a value missing at the end (Qt takes the next argument as the
// value, whatever it is), or a value given to a switch ("--probe=ja").
QString parserfehler(const QCommandLineParser& parser, const QList<Option>& optionen, const QStringList& argumente,
                     const QString& wo)
{
    if (!parser.unknownOptionNames().isEmpty()) {
        QStringList alle;
        for (const Option& o : optionen) {
            for (const QString& name : namen(o))
                alle << anzeige(name);
        }
        // As typed: "--x" and "-x" both give the name "x".
        const QString lang = QStringLiteral("--") + parser.unknownOptionNames().constFirst();
        const bool alsLang = std::any_of(argumente.cbegin(), argumente.cend(),
                                         [&](const QString& a) { return a == lang || a.startsWith(lang + u'='); });
        return QStringLiteral("Unbekannte Option „%1“ %2. Erlaubt sind: %3.")
            .arg(alsLang ? lang : lang.mid(1), wo, alle.join(QStringLiteral(", ")));
    }
    for (const Option& o : optionen) {
        if (o.wert && argumente.constLast() == anzeige(QLatin1String(o.name)))
            return fehlenderWert(o);
    }
    QString schalter;
    for (const QString& a : argumente) {
        if (a.startsWith(QLatin1String("--")) && a.contains(u'=') && schalter.isNull())
            schalter = a.section(u'=', 0, 0);
    }
    return QStringLiteral("Die Option „%1“ nimmt keinen Wert.").arg(schalter);
}

// Each option at most once, each value fit; the values go into `werte`.
QString optionswerte(const QCommandLineParser& parser, const QList<Option>& optionen, QHash<QString, QVariant>& werte)
{
    for (const Option& o : optionen) {
        const QString name = QLatin1String(o.name);
        if (!parser.isSet(name))
            continue;
        const QStringList gegeben = parser.values(name);
        if (gegeben.size() > 1 || werte.contains(name))
            return QStringLiteral("Die Option „--%1“ ist mehrfach angegeben; erlaubt ist sie einmal.").arg(name);
        if (o.wert && gegeben.constFirst().isEmpty())
            return fehlenderWert(o);
        const std::optional<QVariant> wert
            = o.wert ? lesen(o.art, gegeben.constFirst()) : std::optional<QVariant>(QString());
        if (!wert)
            return unpassend(gegeben.constFirst(), QStringLiteral("--") + name, o.art);
        werte.insert(name, *wert);
    }
    return {};
}

QString argumentwerte(const Unterbefehl& b, const QStringList& gegeben, QHash<QString, QVariant>& werte)
{
    const QString befehl = QLatin1String(b.name);
    if (gegeben.size() > b.argumente.size()) {
        const QString zuViel = gegeben.at(b.argumente.size());
        if (b.argumente.isEmpty())
            return QStringLiteral("Der Befehl %1 nimmt kein Argument; „%2“ ist zu viel.").arg(befehl, zuViel);
        const Argument& einziges = b.argumente.constFirst(); // no subcommand takes more than one
        return QStringLiteral("Der Befehl %1 nimmt nur ein Argument (%2); „%3“ ist zu viel.")
            .arg(befehl, platzhalter(einziges.name, einziges.art), zuViel);
    }
    for (qsizetype i = 0; i < b.argumente.size(); ++i) {
        const Argument& a = b.argumente[i];
        const bool auswahl = a.art.art == Wertart::Auswahl; // a choice of the command's kind: named by the command
        if (i >= gegeben.size()) {
            if (a.noetig)
                return QStringLiteral("Dem Befehl %1 fehlt ein Argument: %2.")
                    .arg(befehl, auswahl ? erlaubt(a.art) : QLatin1String(a.name));
            continue;
        }
        if (a.art.art == Wertart::Text && gegeben[i].isEmpty())
            return QStringLiteral("Das Argument %1 ist leer; der Befehl %2 braucht dort einen Wert.")
                .arg(QLatin1String(a.name), befehl);
        const std::optional<QVariant> wert = lesen(a.art, gegeben[i]);
        if (!wert)
            return unpassend(gegeben[i], auswahl ? befehl : QLatin1String(a.name), a.art);
        werte.insert(QLatin1String(a.name), *wert);
    }
    return {};
}

} // namespace

QString platzhalter(const char* name, const Wertart& art)
{
    return art.art == Wertart::Auswahl ? art.auswahl.join(u'|') : QString::fromUtf8(name);
}

const Option& hilfeoption()
{
    static const Option hilfe{"help", nullptr, "zeigt diese Hilfe", nullptr};
    return hilfe;
}

const Option& versionsoption()
{
    static const Option version{"version", nullptr, "nennt Programm und Version", nullptr};
    return version;
}

const Option& ordneroption(Unterbefehl::Buch buch)
{
    static const Option neu{"ordner", "ORDNER", "legt ORDNER/daten.mdb an, wenn nötig auch ORDNER", "der Ordner"};
    static const Option vorhanden{"ordner", "ORDNER", "arbeitet mit ORDNER/daten.mdb", "der Ordner"};
    static const Option anmeldung{
        "ordner", "ORDNER", "erinnert an ORDNER/daten.mdb statt an die im persönlichen Datenordner", "der Ordner"};
    return buch == Unterbefehl::Buch::Neu ? neu : buch == Unterbefehl::Buch::Keins ? anmeldung : vorhanden;
}

std::optional<QStringList> argumenteLesen(int argc, const char* const* argv, QTextStream& fehler)
{
    QStringList argumente;
    for (int i = 1; i < argc; ++i) {
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString argument = utf8(QByteArrayView(argv[i]));
        if (utf8.hasError()) {
            fehler << QStringLiteral("Das Argument „%1“ enthält Bytes, die kein UTF-8 sind (hier als „\uFFFD“ "
                                     "gezeigt); gedenkbuch-daten nimmt es nicht, weil es sonst eine andere Datei als "
                                     "die gemeinte verwenden würde. Benennen Sie die Datei oder den Ordner so um, "
                                     "dass der Name gültiges UTF-8 ist.")
                          .arg(core::einzeilig(argument))
                   << Qt::endl
                   << allgemeinerAufruf << Qt::endl;
            return std::nullopt;
        }
        argumente << argument;
    }
    return argumente;
}

Vorspann vorspannLesen(const QStringList& argumente, QTextStream& fehler)
{
    const QList<Option> optionen = {ordneroption(Unterbefehl::Buch::Vorhanden), hilfeoption(), versionsoption()};
    QCommandLineParser parser;
    aufbauen(parser, optionen);
    // The first argument that is no option names the subcommand; the rest is the subcommand's own.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    QHash<QString, QVariant> werte;
    const QString meldung = parser.parse(QStringList{QString()} + argumente)
        ? optionswerte(parser, optionen, werte)
        : parserfehler(parser, optionen, argumente, QStringLiteral("vor dem Befehl"));
    if (!meldung.isEmpty()) {
        fehler << meldung << Qt::endl << allgemeinerAufruf << Qt::endl;
        return {Vorspann::Ergebnis::Falsch, {}, {}};
    }
    const auto ergebnis = werte.contains(QStringLiteral("help")) ? Vorspann::Ergebnis::Hilfe
        : werte.contains(QStringLiteral("version"))              ? Vorspann::Ergebnis::Version
                                                                 : Vorspann::Ergebnis::Befehl;
    return {ergebnis, werte.value(QStringLiteral("ordner")).toString(), parser.positionalArguments()};
}

Gelesen befehlLesen(const Unterbefehl& befehl, const QStringList& argumente, QHash<QString, QVariant>& werte,
                    QTextStream& fehler)
{
    const QList<Option> optionen = befehl.optionen + QList<Option>{ordneroption(befehl.buch), hilfeoption()};
    QCommandLineParser parser;
    aufbauen(parser, optionen);
    QString meldung;
    if (!parser.parse(QStringList{QString()} + argumente))
        meldung = parserfehler(parser, optionen, argumente, QStringLiteral("für ") + QLatin1String(befehl.name));
    else if (parser.isSet(QStringLiteral("help")))
        return Gelesen::Hilfe;
    else if (meldung = optionswerte(parser, optionen, werte); meldung.isEmpty()) {
        for (const Option& o : befehl.optionen) {
            if (o.noetig && !werte.contains(QLatin1String(o.name)) && meldung.isEmpty())
                meldung = QStringLiteral("Dem Befehl %1 fehlt die Option --%2 %3.")
                              .arg(QLatin1String(befehl.name), QLatin1String(o.name), platzhalter(o.wert, o.art));
        }
        if (meldung.isEmpty())
            meldung = argumentwerte(befehl, parser.positionalArguments(), werte);
    }
    if (meldung.isEmpty())
        return Gelesen::Werte;
    fehler << meldung << Qt::endl;
    return Gelesen::Falsch;
}
