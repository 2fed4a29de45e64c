// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "befehlszeile.h"

#include "core/programm.h"
#include "core/steuerzeichen.h"

#include <QHash>
#include <QStringDecoder>

namespace daten {

namespace {

const QString allgemeinerAufruf = QStringLiteral("Aufruf: gedenkbuch-daten [--ordner ORDNER] BEFEHL [ARGUMENTE]");

// The names an option is called by: the help by three.
QStringList namen(const Eingabe& option)
{
    if (option.name() == QLatin1String("help"))
        return {QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("hilfe")};
    return {option.name()};
}

// As typed: "-h", "--hilfe".
QString anzeige(const QString& name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

QString fehlenderWert(const Eingabe& option)
{
    const QString was = QStringLiteral("Nach --%1 fehlt %2").arg(option.name(), option.fehlt());
    const QString moeglich = option.erlaubt();
    return moeglich.isEmpty() ? was + u'.' : QStringLiteral("%1; erlaubt ist %2.").arg(was, moeglich);
}

QString unpassend(const QString& wert, const QString& wofuer, const Eingabe& eingabe)
{
    return QStringLiteral("„%1“ ist für %2 nicht erlaubt; erlaubt ist %3.").arg(wert, wofuer, eingabe.erlaubt());
}

// The arguments as typed: the values given to each option, and the others in order. An option's
// value follows it after "=" or as the next argument, whatever that is; "--" ends the options.
// Before the command (`vorn`), its name ends them too. Names what cannot be split: an unknown
// option first, then a value missing at the end, then a value given to a switch.
struct Zerlegt {
    QHash<const Eingabe*, QStringList> werte; // a switch given has none
    QStringList rest;
    QString meldung;
};

Zerlegt zerlegen(const QStringList& argumente, const QList<Eingabe*>& optionen, bool vorn, const QString& wo)
{
    const auto finden = [&](const QString& name) -> Eingabe* {
        for (Eingabe* o : optionen) {
            if (namen(*o).contains(name))
                return o;
        }
        return nullptr;
    };
    Zerlegt z;
    QString unbekannt, schalter;
    const Eingabe* ohneWert = nullptr;
    bool nurNoch = false; // nothing but arguments from here on
    for (qsizetype i = 0; i < argumente.size(); ++i) {
        const QString& a = argumente[i];
        if (nurNoch || a == u"-" || !a.startsWith(u'-')) {
            z.rest << a;
            nurNoch = nurNoch || (vorn && a != u"-");
        } else if (a == u"--") {
            nurNoch = true;
        } else if (a.startsWith(u"--")) {
            const QString name = a.mid(2).section(u'=', 0, 0);
            const Eingabe* o = finden(name);
            const qsizetype gleich = a.indexOf(u'=');
            if (!o)
                unbekannt = unbekannt.isNull() ? QStringLiteral("--") + name : unbekannt;
            else if (o->istSchalter() && gleich >= 0)
                schalter = schalter.isNull() ? QStringLiteral("--") + name : schalter;
            else if (o->istSchalter())
                z.werte[o];
            else if (gleich >= 0)
                z.werte[o] << a.mid(gleich + 1);
            else if (i + 1 < argumente.size())
                z.werte[o] << argumente[++i];
            else
                ohneWert = o;
        } else {
            // Single letters, also several in one: "-h". No option of one letter takes a value.
            for (const QChar c : a.mid(1)) {
                const Eingabe* o = finden(c);
                if (!o && unbekannt.isNull())
                    unbekannt = QStringLiteral("-") + c;
                else if (o)
                    z.werte[o];
            }
        }
    }
    if (!unbekannt.isNull()) {
        QStringList alle;
        for (const Eingabe* o : optionen) {
            for (const QString& name : namen(*o))
                alle << anzeige(name);
        }
        z.meldung = QStringLiteral("Unbekannte Option „%1“ %2. Erlaubt sind: %3.")
                        .arg(unbekannt, wo, alle.join(QStringLiteral(", ")));
    } else if (ohneWert) {
        z.meldung = fehlenderWert(*ohneWert);
    } else if (!schalter.isNull()) {
        z.meldung = QStringLiteral("Die Option „%1“ nimmt keinen Wert.").arg(schalter);
    }
    return z;
}

// Each option at most once, and its value read by it, in the order of their declaration.
QString optionswerte(const QList<Eingabe*>& optionen, const Zerlegt& z)
{
    for (Eingabe* o : optionen) {
        if (!z.werte.contains(o))
            continue;
        const QStringList& gegeben = z.werte[o];
        if (gegeben.size() > 1 || o->gesetzt())
            return QStringLiteral("Die Option „--%1“ ist mehrfach angegeben; erlaubt ist sie einmal.").arg(o->name());
        if (!o->istSchalter() && gegeben.constFirst().isEmpty())
            return fehlenderWert(*o);
        if (!o->lesen(gegeben.value(0)))
            return unpassend(gegeben.constFirst(), QStringLiteral("--") + o->name(), *o);
    }
    return {};
}

QString argumentwerte(const Befehl& b, const QStringList& gegeben)
{
    const QList<Eingabe*>& argumente = b.argumente();
    if (gegeben.size() > argumente.size()) {
        const QString zuViel = gegeben.at(argumente.size());
        if (argumente.isEmpty())
            return QStringLiteral("Der Befehl %1 nimmt kein Argument; „%2“ ist zu viel.").arg(b.name(), zuViel);
        // No command takes more than one.
        return QStringLiteral("Der Befehl %1 nimmt nur ein Argument (%2); „%3“ ist zu viel.")
            .arg(b.name(), argumente.constFirst()->platzhalter(), zuViel);
    }
    for (qsizetype i = 0; i < argumente.size(); ++i) {
        Eingabe& a = *argumente[i];
        // A choice of the command's kind is named by the command.
        if (i >= gegeben.size() && a.noetig())
            return QStringLiteral("Dem Befehl %1 fehlt ein Argument: %2.")
                .arg(b.name(), a.istAuswahl() ? a.erlaubt() : a.name());
        if (i >= gegeben.size() || a.lesen(gegeben[i]))
            continue;
        if (a.erlaubt().isEmpty()) // any text but none
            return QStringLiteral("Das Argument %1 ist leer; der Befehl %2 braucht dort einen Wert.")
                .arg(a.name(), b.name());
        return unpassend(gegeben[i], a.istAuswahl() ? b.name() : a.name(), a);
    }
    return {};
}

enum class Gelesen { Werte, Hilfe, Falsch };

// The command's own arguments, read into its options and arguments. Falsch after a German message.
Gelesen befehlLesen(Befehl& b, const QStringList& argumente, QTextStream& fehler)
{
    Hilfeschalter hilfe;
    const QList<Eingabe*> optionen = b.optionen() + QList<Eingabe*>{&hilfe};
    const Zerlegt z = zerlegen(argumente, optionen, false, QStringLiteral("für ") + b.name());
    if (z.meldung.isEmpty() && z.werte.contains(&hilfe))
        return Gelesen::Hilfe;
    QString meldung = z.meldung.isEmpty() ? optionswerte(optionen, z) : z.meldung;
    for (const Eingabe* o : b.optionen()) {
        if (o->noetig() && !o->gesetzt() && meldung.isEmpty())
            meldung
                = QStringLiteral("Dem Befehl %1 fehlt die Option --%2 %3.").arg(b.name(), o->name(), o->platzhalter());
    }
    if (meldung.isEmpty())
        meldung = argumentwerte(b, z.rest);
    if (meldung.isEmpty())
        return Gelesen::Werte;
    fehler << meldung << Qt::endl;
    return Gelesen::Falsch;
}

} // namespace

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

int ausfuehren(const QStringList& argumente, Kontext& k)
{
    Vorspann vorspann;
    const Zerlegt z = zerlegen(argumente, vorspann.optionen(), true, QStringLiteral("vor dem Befehl"));
    const QString meldung = z.meldung.isEmpty() ? optionswerte(vorspann.optionen(), z) : z.meldung;
    if (!meldung.isEmpty()) {
        k.fehler << meldung << Qt::endl << allgemeinerAufruf << Qt::endl;
        return FalscherAufruf;
    }
    if (vorspann.hilfe.gesetzt() || vorspann.version.gesetzt()) {
        k.aus << (vorspann.hilfe.gesetzt()
                      ? hilfe(k.orte.daten)
                      : QStringLiteral("gedenkbuch-daten (%1) %2\n").arg(core::programmname, core::versionstext));
        return Erfolg;
    }
    if (z.rest.isEmpty()) {
        k.fehler << hilfe(k.orte.daten);
        return FalscherAufruf;
    }
    const QString name = z.rest.constFirst();
    for (const std::unique_ptr<Befehl>& b : alleBefehle()) {
        if (b->name() != name)
            continue;
        if (vorspann.ordner.gesetzt()) {
            b->ordner.lesen(vorspann.ordner.wert());
            b->ordnerVorn = true;
        }
        const Gelesen gelesen = befehlLesen(*b, z.rest.mid(1), k.fehler);
        if (gelesen == Gelesen::Hilfe) {
            k.aus << befehlshilfe(*b, k.orte.daten);
            return Erfolg;
        }
        const int status = gelesen == Gelesen::Werte ? b->ausfuehren(k) : FalscherAufruf;
        if (status == FalscherAufruf)
            k.fehler << QStringLiteral("Aufruf: gedenkbuch-daten [--ordner ORDNER] %1").arg(aufrufzeile(*b))
                     << Qt::endl;
        return status;
    }
    k.fehler << QStringLiteral("Unbekannter Befehl „%1“. Die Befehle nennt gedenkbuch-daten --hilfe.").arg(name)
             << Qt::endl;
    return FalscherAufruf;
}

} // namespace daten
