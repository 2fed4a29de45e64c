// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "seiten.h"

#include <QDate>
#include <QLocale>
#include <QPainter>

namespace druck {

namespace {

const QLocale& deutsch()
{
    static const QLocale locale(QLocale::German, QLocale::Germany);
    return locale;
}

// Every text in the one embedded font: a character it lacks (an emoji) stays in the text as the
// font's empty box rather than pulling in whatever font the machine happens to have.
QFont schrift(qreal punkte, bool fett = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(punkte);
    f.setBold(fett);
    f.setStyleStrategy(QFont::NoFontMerging);
    f.setHintingPreference(QFont::PreferNoHinting); // the widths the paper gets, not a screen's
    return f;
}

const QColor linie(150, 150, 150);
const QColor wochenende(228, 228, 228);
const QColor leise(90, 90, 90);

// A page measured in millimetres from its top left corner.
class Seite {
public:
    explicit Seite(QPdfWriter& pdf) : pdf_(pdf), mm_(pdf.resolution() / 25.4), maler_(&pdf) {}

    QPainter& maler() { return maler_; }
    qreal mm(qreal wert) const { return wert * mm_; }
    QRectF rechteck(qreal x, qreal y, qreal breite, qreal hoehe) const { return {mm(x), mm(y), mm(breite), mm(hoehe)}; }
    QFontMetricsF metrik(const QFont& f) const { return QFontMetricsF(f, &pdf_); }

    // Text on a baseline `y` mm from the top: from `x` on, ending at it, or centred on it.
    void text(qreal x, qreal y, const QString& text, const QFont& f, Qt::Alignment ausrichtung = Qt::AlignLeft)
    {
        maler_.setFont(f);
        const qreal links = ausrichtung & Qt::AlignRight ? mm(x) - metrik(f).horizontalAdvance(text)
            : ausrichtung & Qt::AlignHCenter             ? mm(x) - metrik(f).horizontalAdvance(text) / 2
                                                         : mm(x);
        maler_.drawText(QPointF(links, mm(y)), text);
    }
    // Sentences one after the other from a baseline `y` mm from the top, a line lower where one
    // more would pass `breite`.
    void saetze(qreal x, qreal y, qreal breite, qreal abstand, const QStringList& saetze, const QFont& f)
    {
        QString zeile;
        for (const QString& satz : saetze) {
            if (!zeile.isEmpty() && metrik(f).horizontalAdvance(zeile + u' ' + satz) > mm(breite)) {
                text(x, y, zeile, f);
                y += abstand;
                zeile.clear();
            }
            zeile += (zeile.isEmpty() ? QString() : QStringLiteral(" ")) + satz;
        }
        text(x, y, zeile, f);
    }
    void neueSeite() { pdf_.newPage(); }

private:
    QPdfWriter& pdf_;
    qreal mm_;
    QPainter maler_;
};

QString eintraege(qsizetype anzahl)
{
    return deutsch().toString(anzahl) + (anzahl == 1 ? QStringLiteral(" Eintrag") : QStringLiteral(" Einträge"));
}

// What "+N" means, for a field of the overview or a line of the calendar.
QString plusLegende(const QString& platz)
{
    return QStringLiteral("„+N“ zählt die N weiteren Einträge eines Tages, für die %1 keinen Platz hat.").arg(platz);
}

} // namespace

Feld feld(const QFontMetricsF& metrik, const QList<qreal>& breiten, const QList<core::Zeile>& eintraege,
          std::optional<int> bezugsjahr)
{
    const QString trenner = QStringLiteral(", ");
    const auto breite = [&](const QString& text) { return metrik.horizontalAdvance(text); };
    // A name and what follows it in `platz`: the name shortened as far as needed, never to nothing
    // but "…".
    const auto kuerzen = [&](const QString& name, const QString& zus, qreal platz) -> std::optional<QString> {
        QString kurz = metrik.elidedText(name, Qt::ElideRight, platz - breite(zus), Qt::TextSingleLine);
        if (kurz.isEmpty() || (kurz != name && kurz.size() < 2))
            return std::nullopt;
        if (kurz != name && kurz.endsWith(QStringLiteral(" …"))) // "Anna…", not "Anna …"
            kurz.remove(kurz.size() - 2, 1);
        return kurz + zus;
    };
    const auto eintrag = [&](const core::Zeile& e, qreal platz) {
        const QString zus = zusatz(e, bezugsjahr);
        return kuerzen(Bestand::name(e, zus).toString(), zus, platz);
    };
    const qsizetype zeilen = breiten.size();
    QList<QStringList> inhalt(zeilen);
    qsizetype z = 0, i = 0;
    for (; i < eintraege.size(); ++i) {
        // Behind others on a line only as it would stand on a line of its own.
        QString text = eintrag(eintraege[i], breiten[z]).value_or(QStringLiteral("…"));
        if (!inhalt[z].isEmpty() && breite(inhalt[z].join(trenner) + trenner + text) > breiten[z]) {
            if (++z == zeilen)
                break;
            text = eintrag(eintraege[i], breiten[z]).value_or(QStringLiteral("…"));
        }
        inhalt[z] << text;
    }
    Feld f;
    if (i < eintraege.size()) {
        // The count goes at the end of the last line: the last entry there is shortened for it, or
        // makes room for it and is counted too.
        QStringList& letzte = inhalt[zeilen - 1];
        f.weitere = eintraege.size() - i;
        while (!letzte.isEmpty()) {
            const QString plus = QStringLiteral(" +%1").arg(f.weitere);
            const QString davor
                = letzte.first(letzte.size() - 1).join(trenner) + (letzte.size() > 1 ? trenner : QString());
            const auto kurz = eintrag(eintraege[i - 1], breiten[zeilen - 1] - breite(davor + plus));
            if (kurz && breite(davor + *kurz + plus) <= breiten[zeilen - 1]) {
                letzte = QStringList{davor + *kurz + plus};
                break;
            }
            letzte.removeLast();
            ++f.weitere;
            --i;
        }
        if (letzte.isEmpty())
            letzte << QStringLiteral("+%1").arg(f.weitere);
    } else if (z + 1 < zeilen && !eintraege.isEmpty()) {
        // A last entry shortened where a line is still free goes on there, broken between words; its
        // last word stays with what follows the name.
        const QString zus = zusatz(eintraege.constLast(), bezugsjahr);
        const QStringList woerter = Bestand::name(eintraege.constLast(), zus).toString().split(u' ');
        const QString davor
            = inhalt[z].first(inhalt[z].size() - 1).join(trenner) + (inhalt[z].size() > 1 ? trenner : QString());
        qsizetype w = 0;
        while (w + 1 < woerter.size() && breite(davor + woerter.first(w + 1).join(u' ')) <= breiten[z])
            ++w;
        if (inhalt[z].constLast() != woerter.join(u' ') + zus && w > 0) {
            inhalt[z].last() = woerter.first(w).join(u' ');
            inhalt[z + 1] << kuerzen(woerter.sliced(w).join(u' '), zus, breiten[z + 1]).value_or(QStringLiteral("…"));
        }
    }
    for (const QStringList& zeile : inhalt)
        if (!zeile.isEmpty())
            f.zeilen << zeile.join(trenner);
    return f;
}

qsizetype jahresuebersicht(QPdfWriter& pdf, const Bestand& bestand, int jahr)
{
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF()));
    Seite s(pdf);
    QPainter& p = s.maler();
    // 297 × 210 mm: a column of day numbers on either side, twelve months between them. A field
    // has two lines; the first begins with the weekday.
    constexpr qreal rand = 6, nummern = 5, oben = 7, kopf = 18, fuss = 200;
    constexpr qreal links = rand + nummern, spalte = (297 - 2 * links) / 12;
    constexpr qreal zeile = (fuss - kopf) / 31, innen = 0.5, wochentag = 3.6;
    constexpr qreal zeilenabstand = (zeile - 2 * innen) / 2, grundlinie = innen + zeilenabstand * 0.8;
    const QFont titel = schrift(14, true), monat = schrift(8, true), nummer = schrift(7, true);
    const QFont tag = schrift(5.5), name = schrift(6), klein = schrift(7);
    const QFontMetricsF namenmetrik = s.metrik(name);
    const QList<qreal> breiten = {s.mm(spalte - 2 * innen - wochentag), s.mm(spalte - 2 * innen)};

    qsizetype gezeigt = 0, plus = 0;
    for (int m = 1; m <= 12; ++m) {
        const qreal x = links + (m - 1) * spalte;
        for (int t = 1; t <= QDate(jahr, m, 1).daysInMonth(); ++t) {
            const qreal y = kopf + (t - 1) * zeile;
            const int wt = QDate(jahr, m, t).dayOfWeek();
            p.setPen(QPen(linie, s.mm(0.15)));
            p.setBrush(wt >= Qt::Saturday ? QBrush(wochenende) : QBrush(Qt::NoBrush));
            p.drawRect(s.rechteck(x, y, spalte, zeile));
            p.setPen(leise);
            s.text(x + innen, y + grundlinie, deutsch().standaloneDayName(wt, QLocale::ShortFormat), tag);
            const QList<core::Zeile>& liste = bestand.tag(m, t);
            const Feld f = feld(namenmetrik, breiten, liste, jahr);
            p.setPen(Qt::black);
            for (qsizetype z = 0; z < f.zeilen.size(); ++z)
                s.text(x + innen + (z == 0 ? wochentag : 0), y + grundlinie + qreal(z) * zeilenabstand, f.zeilen[z],
                       name);
            gezeigt += liste.size();
            plus += f.weitere;
        }
    }
    for (int t = 1; t <= 31; ++t) {
        const qreal y = kopf + (t - 1) * zeile + grundlinie; // on the first line: one line of text a day
        s.text(links - 1, y, QString::number(t), nummer, Qt::AlignRight);
        s.text(297 - links + 1, y, QString::number(t), nummer);
    }
    for (int m = 1; m <= 12; ++m)
        s.text(links + (m - 0.5) * spalte, kopf - 1.5, deutsch().standaloneMonthName(m), monat, Qt::AlignHCenter);
    s.text(links, oben + 5, QStringLiteral("Gedenkbuch %1").arg(jahr), titel);
    s.text(297 - links, oben + 5, eintraege(gezeigt), klein, Qt::AlignRight);

    QStringList hinweis
        = {QStringLiteral("%1. In Klammern das Alter, das im Jahr %2 erreicht wird; Samstage und Sonntage grau.")
               .arg(eintraege(gezeigt))
               .arg(jahr)};
    if (const qsizetype schalttag = bestand.tag(2, 29).size(); schalttag > 0 && !QDate::isLeapYear(jahr))
        hinweis << QStringLiteral("%1 vom 29. Februar %2 nur in Schaltjahren.")
                       .arg(eintraege(schalttag), schalttag == 1 ? QStringLiteral("steht") : QStringLiteral("stehen"));
    if (plus > 0)
        hinweis << plusLegende(QStringLiteral("sein Feld"));
    p.setPen(leise);
    s.saetze(links, fuss + 4, 297 - 2 * links, 3, hinweis, klein);
    return gezeigt;
}

qsizetype immerwaehrend(QPdfWriter& pdf, const Bestand& bestand)
{
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    Seite s(pdf);
    QPainter& p = s.maler();
    // 210 × 297 mm. The names take two thirds of a line at most: the rest is for writing by hand.
    constexpr qreal links = 16, rechts = 210 - 14, kopf = 32, zeile = 7.9, nummern = 11;
    constexpr qreal textbreite = (rechts - links - nummern) * 2 / 3;
    const QFont titel = schrift(22, true), klein = schrift(9), nummer = schrift(12, true), name = schrift(10);
    const QFontMetricsF namenmetrik = s.metrik(name);

    qsizetype gezeigt = 0;
    for (int m = 1; m <= 12; ++m) {
        if (m > 1)
            s.neueSeite();
        p.setPen(Qt::black);
        s.text(links, 22, deutsch().standaloneMonthName(m), titel);
        p.setPen(leise);
        s.text(rechts, 22, QStringLiteral("Gedenkbuch"), klein, Qt::AlignRight);
        qsizetype imMonat = 0, plus = 0;
        const int tage = QDate(2000, m, 1).daysInMonth(); // a leap year: 29 February has its line
        for (int t = 1; t <= tage; ++t) {
            const qreal unten = kopf + t * zeile;
            p.setPen(QPen(linie, s.mm(0.2)));
            p.drawLine(QPointF(s.mm(links), s.mm(unten)), QPointF(s.mm(rechts), s.mm(unten)));
            p.setPen(Qt::black);
            s.text(links + nummern - 3, unten - 2.2, QString::number(t), nummer, Qt::AlignRight);
            const QList<core::Zeile>& liste = bestand.tag(m, t);
            const Feld f = feld(namenmetrik, {s.mm(textbreite)}, liste, std::nullopt);
            s.text(links + nummern, unten - 2.2, f.zeilen.value(0), name);
            imMonat += liste.size();
            plus += f.weitere;
        }
        p.setPen(leise);
        QStringList fuss = {QStringLiteral("%1 im %2.").arg(eintraege(imMonat), deutsch().standaloneMonthName(m))};
        if (plus > 0)
            fuss << plusLegende(QStringLiteral("seine Zeile"));
        s.saetze(links, kopf + 31 * zeile + 8, rechts - links, 4, fuss, klein);
        gezeigt += imMonat;
    }
    return gezeigt;
}

} // namespace druck
