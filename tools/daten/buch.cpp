// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The book a command works on: which daten.mdb, opened, and walked.
#include "befehl.h"

#include "core/durchlauf.h"

#include <QDir>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace daten {

namespace {

QString benutzername(uid_t nummer)
{
    const passwd* konto = ::getpwuid(nummer);
    return konto ? QFile::decodeName(konto->pw_name) : QString::number(nummer);
}

// Why daten.mdb in the current folder is not the user's own book, or nothing when it is. Where
// others may write the folder, as in /tmp, anyone may have put the file there, or may swap it at
// any moment; a book of theirs would take the user's contacts, and give theirs to the calendar.
QString fremd(const QString& datei, const QString& datenordner)
{
    const uid_t ich = ::geteuid();
    const QByteArray name = QFile::encodeName(datei);
    struct stat verweis {};
    struct stat inhalt {};
    const bool da = ::lstat(name.constData(), &verweis) == 0 && ::stat(name.constData(), &inhalt) == 0;
    const uid_t besitzer = !da ? ich : verweis.st_uid != ich ? verweis.st_uid : inhalt.st_uid;
    const QString anfang
        = QStringLiteral("Die Datei %1 im aktuellen Ordner gehört %2").arg(datei, benutzername(besitzer));
    QString grund;
    if (besitzer != ich)
        grund = anfang + QStringLiteral(", nicht Ihnen");
    else if (da && (inhalt.st_mode & (S_IWGRP | S_IWOTH)))
        grund = anfang + QStringLiteral(", aber auch andere Benutzer dürfen sie ändern");
    // The folder of a symbolic link and the folder of the file it names. Whoever owns a folder
    // may always write it; root may anyway.
    for (const QString& ordner : {QFileInfo(datei).absolutePath(), QFileInfo(datei).canonicalPath()}) {
        struct stat o {};
        if (!grund.isEmpty() || ordner.isEmpty())
            continue;
        if (::stat(QFile::encodeName(ordner).constData(), &o) != 0 || (o.st_uid != ich && o.st_uid != 0)
            || (o.st_mode & (S_IWGRP | S_IWOTH)))
            grund = anfang
                + QStringLiteral(", aber auch andere Benutzer dürfen im Ordner %1 Dateien anlegen und ersetzen")
                      .arg(ordner);
    }
    if (grund.isEmpty())
        return {};
    return grund
        + QStringLiteral("; sie wird nicht verwendet. Ein Buch wählen Sie mit --ordner ORDNER; Ihr eigenes liegt im "
                         "persönlichen Datenordner %1.")
              .arg(datenordner);
}

} // namespace

QString buchFinden(const QString& ordner, const QString& datenordner, QTextStream& fehler)
{
    if (!ordner.isNull())
        return QDir::cleanPath(QDir(ordner).filePath(store::dateiname));
    const QString hier = QDir::current().absoluteFilePath(store::dateiname);
    if (QFileInfo::exists(hier)) {
        const QString grund = fremd(hier, datenordner);
        if (!grund.isEmpty())
            fehler << grund << Qt::endl;
        return grund.isEmpty() ? hier : QString();
    }
    const QString eigenes = datenordner + u'/' + store::dateiname;
    if (QFileInfo::exists(eigenes))
        return eigenes;
    fehler << QStringLiteral("Die Datei %1 gibt es weder im aktuellen Ordner %2 noch im persönlichen Datenordner %3; "
                             "einen anderen Ordner nennen Sie mit --ordner ORDNER. Ein neues, leeres Buch legt das "
                             "Programm bei seinem ersten Start aus dem Menü an, oder der Befehl "
                             "gedenkbuch-daten --ordner %3 neu.")
                  .arg(store::dateiname, QDir::currentPath(), datenordner)
           << Qt::endl;
    return {};
}

int Buchbefehl::ausfuehren(Kontext& k)
{
    if (const QString grund = widerspruch(); !grund.isEmpty()) {
        k.fehler << grund << Qt::endl;
        return FalscherAufruf;
    }
    if (ordner.gesetzt() && !QFileInfo(ordner.wert()).isDir()) {
        k.fehler << keinOrdner(ordner.wert()) << Qt::endl;
        return Fehlschlag;
    }
    buch_ = buchFinden(ordner.wert(), k.orte.daten, k.fehler);
    return buch_.isEmpty() ? Fehlschlag : mitBuch(k);
}

QString Buchbefehl::gelesenAus() const
{
    return QStringLiteral("Gelesen aus %1.").arg(buch_);
}

std::unique_ptr<store::Store> Buchbefehl::oeffnen(store::Store::Zugriff zugriff) const
{
    return store::Store::open(buch_, zugriff);
}

bool Buchbefehl::eintraegeLesen(Kontext& k, store::Cursor::Umfang umfang,
                                const std::function<void(const core::Eintrag&)>& je, const QString& nachsatz) const
{
    core::Durchlauf durchlauf;
    try {
        const auto s = oeffnen(store::Store::Zugriff::NurLesen);
        store::Cursor cursor(*s, umfang);
        durchlauf = core::eintraegeDurchlaufen(cursor, je);
    } catch (const store::StoreError& fehler) {
        k.fehler << core::fehlertext(fehler) << nachsatz << Qt::endl;
        return false;
    }
    if (durchlauf.fehler)
        k.fehler
            << QStringLiteral("Nicht alle Einträge konnten gelesen werden. %1").arg(core::fehlertext(*durchlauf.fehler))
            << nachsatz << Qt::endl;
    return !durchlauf.fehler;
}

} // namespace daten
