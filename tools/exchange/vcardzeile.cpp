// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "vcardzeile.h"

#include <optional>

namespace exchange {

namespace {

bool istLeerzeichen(char c)
{
    return c == ' ' || c == '\t';
}

// The head of a line, the part before the colon that is not inside quotes.
qsizetype doppelpunkt(QByteArrayView zeile)
{
    bool inAnfuehrung = false;
    for (qsizetype i = 0; i < zeile.size(); ++i) {
        if (zeile[i] == '"')
            inAnfuehrung = !inAnfuehrung;
        else if (zeile[i] == ':' && !inAnfuehrung)
            return i;
    }
    return -1;
}

int hexwert(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

QByteArrayView Zeilenleser::physisch()
{
    const qsizetype anfang = pos_;
    while (pos_ < inhalt_.size() && inhalt_[pos_] != '\n' && inhalt_[pos_] != '\r')
        ++pos_;
    const QByteArrayView zeile = inhalt_.sliced(anfang, pos_ - anfang);
    if (pos_ < inhalt_.size() && inhalt_[pos_++] == '\r' && pos_ < inhalt_.size() && inhalt_[pos_] == '\n')
        ++pos_;
    ++gelesen_;
    return zeile;
}

bool Zeilenleser::naechste(QByteArray& zeile, int& nummer)
{
    if (amEnde())
        return false;
    nummer = gelesen_ + 1;
    zeile = physisch().toByteArray();
    // Whether the value is quoted-printable is known once the head has ended. The head is searched
    // for its colon only in what was added since the last search, so a value folded into thousands
    // of lines is read in one pass.
    qsizetype gesucht = 0;
    bool inAnfuehrung = false;
    std::optional<bool> quotedPrintable;
    const auto istQuotedPrintable = [&] {
        for (; !quotedPrintable && gesucht < zeile.size(); ++gesucht) {
            if (zeile[gesucht] == '"')
                inAnfuehrung = !inAnfuehrung;
            else if (zeile[gesucht] == ':' && !inAnfuehrung)
                quotedPrintable = zeile.first(gesucht).toUpper().contains("QUOTED-PRINTABLE");
        }
        return quotedPrintable.value_or(false);
    };
    while (!amEnde()) {
        // A soft line break first: its next line is encoded text, even where it begins with a blank.
        const char naechstes = inhalt_[pos_];
        if (zeile.endsWith('=') && naechstes != '\r' && naechstes != '\n' && istQuotedPrintable()) {
            zeile.chop(1);
            zeile += physisch();
        } else if (istLeerzeichen(naechstes)) {
            zeile += physisch().sliced(1);
        } else {
            break;
        }
    }
    return true;
}

QByteArray Eigenschaft::parameterwert(const char* parametername) const
{
    for (const auto& [name, wert] : parameter) {
        if (name == parametername)
            return wert;
    }
    return {};
}

bool eigenschaftLesen(QByteArray&& zeile, Eigenschaft& eigenschaft)
{
    const qsizetype ende = doppelpunkt(zeile);
    if (ende < 0)
        return false;
    eigenschaft.parameter.clear();

    // The head split at the semicolons outside quotes: the name, then the parameters.
    QList<QByteArray> teileDesKopfs;
    bool inAnfuehrung = false;
    qsizetype anfang = 0;
    for (qsizetype i = 0; i <= ende; ++i) {
        if (i < ende && zeile[i] == '"')
            inAnfuehrung = !inAnfuehrung;
        else if (i == ende || (zeile[i] == ';' && !inAnfuehrung)) {
            teileDesKopfs.append(zeile.sliced(anfang, i - anfang).trimmed());
            anfang = i + 1;
        }
    }
    const QByteArray voll = teileDesKopfs.takeFirst().toUpper();
    const qsizetype punkt = voll.indexOf('.');
    eigenschaft.gruppe = punkt >= 0 ? voll.first(punkt) : QByteArray();
    eigenschaft.name = voll.sliced(punkt + 1);

    for (const QByteArray& teil : teileDesKopfs) {
        const qsizetype gleich = teil.indexOf('=');
        QByteArray wert = gleich >= 0 ? teil.sliced(gleich + 1).trimmed() : teil;
        if (wert.size() >= 2 && wert.startsWith('"') && wert.endsWith('"'))
            wert = wert.sliced(1, wert.size() - 2);
        QByteArray name = gleich >= 0 ? teil.first(gleich).trimmed().toUpper() : QByteArray();
        if (name.isEmpty()) {
            const QByteArray gross = wert.toUpper();
            const bool kodierung
                = gross == "QUOTED-PRINTABLE" || gross == "BASE64" || gross == "8BIT" || gross == "7BIT";
            name = kodierung ? QByteArrayLiteral("ENCODING") : QByteArrayLiteral("TYPE");
        }
        eigenschaft.parameter.append({name, wert});
    }
    // The value takes the line's bytes without a copy: a value may be most of a large file.
    eigenschaft.wert = std::move(zeile);
    eigenschaft.wert.remove(0, ende + 1);
    return true;
}

QByteArray qpDekodieren(QByteArrayView wert)
{
    QByteArray bytes;
    bytes.reserve(wert.size());
    for (qsizetype i = 0; i < wert.size(); ++i) {
        if (wert[i] == '=' && i + 2 < wert.size() && hexwert(wert[i + 1]) >= 0 && hexwert(wert[i + 2]) >= 0) {
            bytes += char(hexwert(wert[i + 1]) * 16 + hexwert(wert[i + 2]));
            i += 2;
        } else if (wert[i] == '=' && i == wert.size() - 1) {
            break; // a soft line break at the very end
        } else {
            bytes += wert[i];
        }
    }
    return bytes;
}

QStringList teile(const QString& wert, QChar trenner)
{
    QStringList ergebnis;
    qsizetype anfang = 0;
    for (qsizetype i = 0; i < wert.size(); ++i) {
        if (wert[i] == u'\\')
            ++i;
        else if (wert[i] == trenner) {
            ergebnis.append(wert.sliced(anfang, i - anfang));
            anfang = i + 1;
        }
    }
    ergebnis.append(wert.sliced(anfang));
    return ergebnis;
}

QString unmaskiert(const QString& wert)
{
    if (!wert.contains(u'\\'))
        return wert; // shared, not copied: a value may be most of a large file
    QString text;
    text.reserve(wert.size());
    for (qsizetype i = 0; i < wert.size(); ++i) {
        if (wert[i] == u'\\' && i + 1 < wert.size()) {
            const QChar n = wert[++i];
            text += (n == u'n' || n == u'N') ? QChar(u'\n') : n;
        } else {
            text += wert[i];
        }
    }
    return text;
}

} // namespace exchange
