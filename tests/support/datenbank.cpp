// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "datenbank.h"

#include "core/durchlauf.h"
#include "core/eintragsbuch.h"
#include "store/cursor.h"

#include <sqlcipher/sqlite3.h>

#include <QDir>
#include <QFile>

Testdatenbank::Testdatenbank() : vorherigerOrdner_(QDir::currentPath())
{
    store::Store::create(pfad());
    QDir::setCurrent(ordner_.path());
}

Testdatenbank::~Testdatenbank()
{
    QDir::setCurrent(vorherigerOrdner_);
}

QList<qint64> Testdatenbank::hinzufuegen(const Eintraege& eintraege) const
{
    auto s = oeffnen();
    store::Cursor cursor(*s);
    core::Eintragsbuch buch(*s, cursor);
    QList<qint64> ids;
    for (const core::Aenderung& e : eintraege)
        ids.append(buch.speichern(std::nullopt, e));
    return ids;
}

void Testdatenbank::fuellen(int anzahl) const
{
    auto s = oeffnen();
    store::Cursor cursor(*s);
    core::Eintragsbuch buch(*s, cursor);
    store::Transaktion t(*s);
    for (int i = 1; i <= anzahl; ++i)
        buch.speichern(std::nullopt, {QStringLiteral("E%1").arg(i), i % 28 + 1, i % 12 + 1, {}, {}});
    t.abschliessen();
}

QStringList Testdatenbank::saetze() const
{
    auto s = oeffnen();
    store::Cursor cursor(*s);
    QStringList saetze;
    core::durchlaufen(cursor, [&saetze](const store::Datensatz& satz) {
        QStringList felder;
        for (const QVariant& wert : satz.werte)
            felder << (wert.isNull() ? QStringLiteral("-") : wert.toString());
        saetze << felder.join(u'|');
    });
    return saetze;
}

Fremdzugriff::Fremdzugriff(const QString& pfad, const char* schluessel)
{
    sqlite3_open_v2(QFile::encodeName(pfad).constData(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (schluessel)
        sqlite3_key(db_, schluessel, int(qstrlen(schluessel)));
}

Fremdzugriff::~Fremdzugriff()
{
    sqlite3_close_v2(db_);
}

QString Fremdzugriff::sql(const QString& befehle)
{
    char* fehler = nullptr;
    sqlite3_exec(db_, befehle.toUtf8().constData(), nullptr, nullptr, &fehler);
    const QString text = fehler ? QString::fromUtf8(fehler) : QString();
    sqlite3_free(fehler);
    return text;
}

QString Fremdzugriff::wert(const QString& abfrage)
{
    sqlite3_stmt* stmt = nullptr;
    QString text;
    if (sqlite3_prepare_v2(db_, abfrage.toUtf8().constData(), -1, &stmt, nullptr) == SQLITE_OK
        && sqlite3_step(stmt) == SQLITE_ROW)
        text = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
    sqlite3_finalize(stmt);
    return text;
}

QByteArray dateiinhalt(const QString& pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

bool schreiben(const QString& pfad, const QByteArray& inhalt)
{
    QFile datei(pfad);
    return datei.open(QIODevice::WriteOnly) && datei.write(inhalt) == inhalt.size();
}

bool beschaedigen(const QString& pfad, qint64 anzahl, double stelle)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadWrite) && datei.seek(qint64(double(datei.size()) * stelle))
        && datei.write(QByteArray(anzahl, '\xff')) == anzahl;
}
