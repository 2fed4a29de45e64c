#include "testhilfen.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

bool Antwortbuch::frage(const QString& text, const QString& titel)
{
    gezeigt.append({true, text, titel});
    return !antworten_.isEmpty() && antworten_.takeFirst();
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
    store::Store::create(pfad());
    QDir::setCurrent(ordner_.path());
}

Testdatenbank::~Testdatenbank()
{
    QDir::setCurrent(vorherigerOrdner_);
}

QList<qint64> Testdatenbank::hinzufuegen(const QList<Testeintrag>& eintraege) const
{
    auto s = oeffnen();
    store::Cursor cursor(*s);
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
    store::execute(oeffnen()->handle(), sql);
}

QList<QStringList> Testdatenbank::saetze() const
{
    auto s = oeffnen();
    store::Cursor c(*s);
    QList<QStringList> saetze;
    try {
        for (c.MoveFirst(); !c.Eof(); c.MoveNext()) {
            QStringList felder;
            for (const char* feld : store::feldnamen) {
                const QVariant wert = c.Field(QLatin1String(feld));
                felder << (wert.isNull() ? QStringLiteral("-") : wert.toString());
            }
            saetze << felder;
        }
    } catch (const store::StoreError&) {
    }
    return saetze;
}

Hauptfensterprobe::Hauptfensterprobe(QDate heute, const QList<Testeintrag>& eintraege, bool schreibgeschuetzt) : t(heute)
{
    ids = db.hinzufuegen(eintraege);
    auto s = db.oeffnen();
    if (schreibgeschuetzt)
        store::execute(s->handle(), "PRAGMA query_only = ON");
    fenster_ = std::make_unique<frmGedenkbuch>(t.dienste, std::move(s));
}

Hauptfensterprobe::~Hauptfensterprobe() = default;

QStringList Hauptfensterprobe::zeilen(int slot) const
{
    return zeilenVon(tagesliste(slot));
}

QString Hauptfensterprobe::titel(int slot) const
{
    return finden<QGroupBox>(QStringLiteral("Frame%1").arg(slot + 1))->title();
}

QString Hauptfensterprobe::angaben() const
{
    QStringList texte;
    bool aktiv = true;
    for (const char* name : {"txtBezeichnung", "txtTag", "txtMonat", "txtJahr"}) {
        texte << finden<QLineEdit>(QLatin1String(name))->text();
        aktiv = aktiv && finden<QLineEdit>(QLatin1String(name))->isEnabled();
    }
    auto* bemerkungen = finden<QPlainTextEdit>(QStringLiteral("txtBemerkungen"));
    texte << bemerkungen->toPlainText();
    return (aktiv && bemerkungen->isEnabled() ? QString() : QStringLiteral("aus:")) + texte.join(u'|');
}

QString Hauptfensterprobe::befehle() const
{
    QStringList an;
    for (const char* name : {"cmdLoeschen", "cmdAenderung"}) {
        auto* taste = finden<QPushButton>(QLatin1String(name));
        if (taste->isEnabled())
            an << taste->text();
    }
    return an.join(u' ');
}

void Hauptfensterprobe::klicken(const char* taste)
{
    QTest::mouseClick(finden<QPushButton>(QLatin1String(taste)), Qt::LeftButton);
}

void Hauptfensterprobe::mausInDieListe()
{
    // The list's own height: its viewport keeps a default size until the window is shown.
    QTest::mousePress(voll().viewport(), Qt::LeftButton, {}, QPoint(20, voll().height() - 10));
}

void Hauptfensterprobe::zeigen()
{
    fenster_->show();
    QApplication::setActiveWindow(fenster_.get());
    QVERIFY(QTest::qWaitForWindowActive(fenster_.get()));
}

QLineEdit* Eintragsprobe::name() const { return d.findChild<QLineEdit*>(QStringLiteral("txtBezeichnung")); }
QLineEdit* Eintragsprobe::jahr() const { return d.findChild<QLineEdit*>(QStringLiteral("txtJahr")); }
QPlainTextEdit* Eintragsprobe::bemerkungen() const { return d.findChild<QPlainTextEdit*>(QStringLiteral("txtBemerkungen")); }
QRadioButton* Eintragsprobe::tag(int t) const { return d.findChild<QRadioButton*>(QStringLiteral("optTag%1").arg(t - 1)); }
QRadioButton* Eintragsprobe::monat(int m) const { return d.findChild<QRadioButton*>(QStringLiteral("optMonat%1").arg(m - 1)); }
QString Eintragsprobe::anzeige() const { return d.findChild<QLabel*>(QStringLiteral("lblAnzeige"))->text(); }
void Eintragsprobe::klick(QRadioButton* knopf) const { QTest::mouseClick(knopf, Qt::LeftButton, {}, QPoint(6, 8)); }
void Eintragsprobe::speichern() const { QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("cmdSpeichern")), Qt::LeftButton); }
void Eintragsprobe::abbrechen() const { QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("cmdAbbrechen")), Qt::LeftButton); }

void Eintragsprobe::ausfuellen(const QString& n, int t, int m, const QString& j) const
{
    QTest::keyClicks(name(), n);
    if (t)
        klick(tag(t));
    if (m)
        klick(monat(m));
    QTest::keyClicks(jahr(), j);
}

QStringList suchlauf(QDialog& d, const QString& begriff)
{
    // Set, not typed: QTest types ASCII only. The change handler runs either way.
    d.findChild<QLineEdit*>(QStringLiteral("txtSuche"))->setText(begriff);
    QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("cmdSuchStart")), Qt::LeftButton);
    return zeilenVon(*d.findChild<ui::Listenfeld*>(QStringLiteral("lstSuchergebnisse")));
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
    QTest::mouseClick(liste.viewport(), taste, {}, liste.visualRect(liste.model()->index(row, 0)).center());
}

QByteArray dateiinhalt(const QString& pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}
