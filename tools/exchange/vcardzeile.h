// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

namespace exchange {

// The logical lines of a vCard file: a line that begins with a blank or a tab continues the one
// before, and in a quoted-printable value a line ending in "=" continues on the next line (the
// soft line break of vCard 2.1). Lines may end in CR LF, LF or CR.
class Zeilenleser {
public:
    explicit Zeilenleser(QByteArrayView inhalt) : inhalt_(inhalt) {}
    // False at the end of the file; `nummer` is the line the logical line begins on, from 1.
    bool naechste(QByteArray& zeile, int& nummer);

private:
    QByteArrayView physisch(); // the next physical line, without its end
    bool amEnde() const { return pos_ >= inhalt_.size(); }

    QByteArrayView inhalt_;
    qsizetype pos_ = 0;
    int gelesen_ = 0; // physical lines read so far
};

// One property of a card, "item1.BDAY;X-APPLE-OMIT-YEAR=1604:1604-04-15". Names of the group,
// the property and the parameters are in upper case. A vCard 2.1 parameter without a name
// ("QUOTED-PRINTABLE", "HOME") counts as ENCODING or TYPE.
struct Eigenschaft {
    int zeile = 0; // the line it begins on
    QByteArray gruppe;
    QByteArray name;
    QList<std::pair<QByteArray, QByteArray>> parameter;
    QByteArray wert;
    QByteArray parameterwert(const char* parametername) const;
};

// False for a line without a colon, which holds no property; the line is then left as it was.
bool eigenschaftLesen(QByteArray&& zeile, Eigenschaft& eigenschaft);

// Quoted-printable "=C3=A4" to its bytes.
QByteArray qpDekodieren(QByteArrayView wert);

// A value split at the separator `trenner` where it is not escaped with a backslash: the parts of
// N (";"), the names of NICKNAME (","). The parts keep their escapes.
QStringList teile(const QString& wert, QChar trenner);
// A text value without its backslash escapes ("\n", "\,", "\;", "\\").
QString unmaskiert(const QString& wert);

} // namespace exchange
