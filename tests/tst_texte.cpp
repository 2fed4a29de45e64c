#include "fensterprobe.h"
#include "textraum.h"

#include "windows/common/meldungen.h"
#include "windows/startup/frmstart.h"

#include <QDialog>
#include <QMessageBox>
#include <QTest>

// No caption, label or button text is cut in any window, dialog or message box; a text gets a
// smaller font only as far as it must.
class TestTexte : public QObject {
    Q_OBJECT
private slots:
    void alleFenster()
    {
        Eintraege zwoelf; // "Übermorgen: Donnerstag, 31.12.2026 (12)"
        for (int i = 0; i < 12; ++i)
            zwoelf.append({QStringLiteral("Silvester %1 ").arg(i).repeated(4).left(50), 31, 12, 1990});
        Fensterprobe p(QDate(2026, 12, 29), zwoelf);
        QVERIFY(p.zeigen());
        QStringList fehler;
        const auto pruefen = [&](const QWidget* fenster) { fehler << textfehler(fenster); };
        pruefen(&p.fenster());
        p.voll().waehlen(0);
        p.mausInDieListe();
        for (const char* taste : {"cmdEintragNeu", "cmdAenderung", "cmdSuchen"})
            p.mitDialog(taste, [&](QDialog& d) {
                if (d.objectName() == QLatin1String("frmSuche"))
                    suchlauf(d, QStringLiteral("Silvester"));
                pruefen(&d);
            });
        frmStart start;
        start.show();
        pruefen(&start);
        for (const bool frage : {false, true}) {
            const auto box = ui::meldungsfenster(QStringLiteral("Die Datei daten.mdb ist beschädigt. Prüfen lässt sie sich mit "
                                                                "„gedenkbuch-daten pruefen“; was noch lesbar ist, sichert …"),
                                                 QStringLiteral("Ladefehler"), frage);
            box->show();
            pruefen(box.get());
        }
        QCOMPARE(fehler.join(u'\n'), QString());
    }
};

QTEST_MAIN(TestTexte)
#include "tst_texte.moc"
