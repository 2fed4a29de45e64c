#include "testhilfen.h"

#include "mainwindow/frmgedenkbuch.h"
#include "ui/listenfeld.h"

#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QFile>
#include <QTest>

void Antwortbuch::hinweis(const QString& text, const QString& titel)
{
    gezeigt.append({false, text, titel});
}

bool Antwortbuch::frage(const QString& text, const QString& titel)
{
    gezeigt.append({true, text, titel});
    if (antworten_.isEmpty()) {
        ++unerwarteteFragen;
        return false;
    }
    return antworten_.takeFirst();
}

void Dialogregie::modalZeigen(QDialog& dialog)
{
    ++geoeffnet;
    dialog.show();
    if (!handlungen_.isEmpty())
        handlungen_.takeFirst()(dialog);
    if (dialog.isVisible()) {
        ++nichtGeschlossen;
        dialog.reject();
    }
}

Testdatenbank::Testdatenbank() : vorherigerOrdner_(QDir::currentPath())
{
    if (!ordner_.isValid())
        qFatal("Kein temporärer Ordner");
    store::Store::create(pfad());
    QDir::setCurrent(ordner_.path());
}

Testdatenbank::~Testdatenbank()
{
    QDir::setCurrent(vorherigerOrdner_);
}

QString Testdatenbank::pfad() const
{
    return ordner_.filePath(store::dateiname);
}

std::unique_ptr<store::Store> Testdatenbank::oeffnen() const
{
    return store::Store::open(pfad());
}

QList<qint64> Testdatenbank::hinzufuegen(const QList<Testeintrag>& eintraege) const
{
    auto store = oeffnen();
    store::Cursor cursor(*store);
    QList<qint64> ids;
    for (const Testeintrag& e : eintraege) {
        cursor.AddNew();
        cursor.SetField(QStringLiteral("Bezeichnung"), e.name);
        cursor.SetField(QStringLiteral("tag"), e.tag);
        cursor.SetField(QStringLiteral("monat"), e.monat);
        if (e.jahr)
            cursor.SetField(QStringLiteral("jahr"), *e.jahr);
        if (e.bemerkungen)
            cursor.SetField(QStringLiteral("Bemerkungen"), *e.bemerkungen);
        cursor.Update();
        ids.append(*cursor.LastModified());
    }
    return ids;
}

void Testdatenbank::sqlAusfuehren(const char* sql) const
{
    auto store = oeffnen();
    store::execute(store->handle(), sql);
}

QByteArray dateiinhalt(const QString& pfad)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return {};
    return datei.readAll();
}

Hauptfensterprobe::Hauptfensterprobe(QDate heute, const QList<Testeintrag>& eintraege) : t(heute)
{
    ids = db.hinzufuegen(eintraege);
    fenster_ = std::make_unique<frmGedenkbuch>(t.dienste, db.oeffnen());
}

Hauptfensterprobe::~Hauptfensterprobe() = default;

ui::Listenfeld& Hauptfensterprobe::voll() const
{
    return *finden<ui::Listenfeld>(QStringLiteral("lstGedenkbuch"));
}

ui::Listenfeld& Hauptfensterprobe::tagesliste(int slot) const
{
    return *finden<ui::Listenfeld>(QStringLiteral("List%1").arg(slot));
}

QStringList Hauptfensterprobe::zeilen(int slot) const
{
    return zeilenVon(tagesliste(slot));
}

QString Hauptfensterprobe::titel(int slot) const
{
    return finden<QGroupBox>(QStringLiteral("Frame%1").arg(slot + 1))->title();
}

QStringList zeilenVon(const ui::Listenfeld& liste)
{
    QStringList texte;
    for (int i = 0; i < liste.anzahl(); ++i)
        texte << liste.text(i);
    return texte;
}

void zeileAnklicken(ui::Listenfeld& liste, int row, Qt::MouseButton taste)
{
    const QPoint ort = liste.visualRect(liste.model()->index(row, 0)).center();
    QTest::mouseClick(liste.viewport(), taste, {}, ort);
}
