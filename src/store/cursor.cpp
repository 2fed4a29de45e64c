#include "cursor.h"

#include "sqlite.h"
#include "verbindung.h"

#include <QRegularExpression>
#include <cmath>
#include <array>
#include <limits>
#include <vector>

namespace store {

namespace {

constexpr int pufferGroesse = 512;

StoreError eintragWeg()
{
    return {StoreError::Art::KeinAktuellerDatensatz, QStringLiteral("Den Eintrag gibt es nicht mehr; er wurde inzwischen gelöscht.")};
}

StoreError keinAktuellerDatensatz()
{
    return {StoreError::Art::KeinAktuellerDatensatz, QStringLiteral("Es gibt keinen aktuellen Datensatz.")};
}

bool istZahlenfeld(std::size_t index)
{
    const auto feld = Feld(index);
    return feld == Feld::tag || feld == Feld::monat || feld == Feld::jahr;
}

StoreError keineZahl(const QString& text, std::size_t index)
{
    return {StoreError::Art::KeineZahl, QStringLiteral("„%1“ ist keine ganze Zahl; das Feld %2 nimmt nur Zahlen auf.")
                                            .arg(text, QLatin1String(feldnamen[index]))};
}

// Converts a value to the type of the field it is written into.
QVariant umwandeln(const QVariant& value, std::size_t index)
{
    if (value.isNull())
        return {};
    if (!istZahlenfeld(index))
        return value.toString();

    switch (value.typeId()) {
    case QMetaType::QString: {
        static const QRegularExpression ganzeZahl(QStringLiteral("^[+-]?[0-9]+$"));
        const QString text = value.toString().trimmed();
        bool ok = false;
        const qint64 zahl = ganzeZahl.match(text).hasMatch() ? text.toLongLong(&ok) : 0;
        if (!ok)
            throw keineZahl(value.toString(), index);
        return zahl;
    }
    case QMetaType::Double:
    case QMetaType::Float: {
        const double zahl = value.toDouble();
        if (!std::isfinite(zahl) || zahl != std::trunc(zahl) || std::abs(zahl) > 9.0e15)
            throw keineZahl(QString::number(zahl), index);
        return qint64(zahl);
    }
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return value.toLongLong();
    case QMetaType::ULongLong:
    case QMetaType::ULong:
        if (value.toULongLong() > quint64(std::numeric_limits<qint64>::max()))
            throw keineZahl(value.toString(), index);
        return value.toLongLong();
    default:
        throw keineZahl(value.toString(), index);
    }
}

} // namespace

struct Cursor::Innen {
    enum class Lage { Keine, AufDatensatz, Geloescht, Ende };
    enum class Bearbeitung { Keine, Neu, Aendern };
    using Werte = std::array<QVariant, feldnamen.size()>;
    struct Datensatz {
        qint64 id;
        Werte werte;
    };

    explicit Innen(sqlite3* db);
    void laden(qint64 abId);
    const Datensatz& aktueller() const;
    // The first record numbered above `nach` that can be reached past damaged pages, if any;
    // throws for any other failure than damage.
    std::optional<qint64> naechsteLesbare(qint64 nach);

    sqlite3* db;
    Statement lesen;
    Statement einfuegen;
    Statement aendern;
    Statement loeschen;
    Statement naechster;

    std::vector<Datensatz> puffer;
    std::optional<StoreError> ausstehend; // the failure that ended the last batch, after its records
    qint64 zuletztGelesen = std::numeric_limits<qint64>::min();
    std::size_t pos = 0;
    bool pufferVoll = false;
    Lage lage = Lage::Keine;

    Bearbeitung bearbeitung = Bearbeitung::Keine;
    Werte neu;
    std::array<bool, feldnamen.size()> geschrieben{};
    qint64 bearbeiteteId = 0;
    std::optional<qint64> zuletztGespeichert;
};

Cursor::Innen::Innen(sqlite3* db)
    : db(db),
      lesen(db, "SELECT rowid, Bezeichnung, tag, monat, jahr, Bemerkungen FROM Gedenkbuch "
                "WHERE rowid >= ?1 ORDER BY rowid LIMIT ?2"),
      einfuegen(db, "INSERT INTO Gedenkbuch (Bezeichnung, tag, monat, jahr, Bemerkungen) VALUES (?1, ?2, ?3, ?4, ?5)"),
      // Only the fields written since Edit are changed; the others keep what is stored now.
      aendern(db, "UPDATE Gedenkbuch SET "
                  "Bezeichnung = CASE WHEN ?1 THEN ?2 ELSE Bezeichnung END, "
                  "tag = CASE WHEN ?3 THEN ?4 ELSE tag END, "
                  "monat = CASE WHEN ?5 THEN ?6 ELSE monat END, "
                  "jahr = CASE WHEN ?7 THEN ?8 ELSE jahr END, "
                  "Bemerkungen = CASE WHEN ?9 THEN ?10 ELSE Bemerkungen END "
                  "WHERE rowid = ?11"),
      loeschen(db, "DELETE FROM Gedenkbuch WHERE rowid = ?1"),
      naechster(db, "SELECT rowid FROM Gedenkbuch WHERE rowid > ?1 ORDER BY rowid LIMIT 1")
{
}

void Cursor::Innen::laden(qint64 abId)
{
    puffer.clear();
    puffer.reserve(pufferGroesse);
    pos = 0;
    ausstehend.reset();
    lesen.bindInt64(1, abId);
    lesen.bindInt64(2, pufferGroesse);
    try {
        while (lesen.step()) {
            Datensatz satz{lesen.columnInt64(0), {}};
            for (std::size_t i = 0; i < satz.werte.size(); ++i)
                satz.werte[i] = lesen.column(int(i) + 1);
            puffer.push_back(std::move(satz));
            zuletztGelesen = puffer.back().id;
        }
    } catch (const StoreError& fehler) {
        // The records read before the failure are handed out first; the failure comes after them.
        if (puffer.empty())
            throw;
        ausstehend = fehler;
    }
    pufferVoll = puffer.size() == std::size_t(pufferGroesse);
}

std::optional<qint64> Cursor::Innen::naechsteLesbare(qint64 nach)
{
    enum class Befund { Gefunden, Keiner, Beschaedigt };
    qint64 gefunden = 0;
    const auto versuch = [&](qint64 ab) {
        try {
            naechster.bindInt64(1, ab);
            const bool da = naechster.step();
            if (da)
                gefunden = naechster.columnInt64(0);
            naechster.reset();
            return da ? Befund::Gefunden : Befund::Keiner;
        } catch (const StoreError& fehler) {
            if (fehler.art() != StoreError::Art::Beschaedigt)
                throw;
            return Befund::Beschaedigt;
        }
    };
    // A search for numbers above a damaged page's last one passes it. Widen the step until a
    // search gets through, then narrow it down, so no readable record behind the damage is missed.
    // Record numbers span all 64 bits, so distances are counted without sign; both loops end after
    // at most 64 searches each, also when the damage reaches the end of the table.
    constexpr qint64 oben = std::numeric_limits<qint64>::max();
    const auto abstand = [](qint64 von, qint64 bis) { return quint64(bis) - quint64(von); };
    qint64 schlecht = nach; // a search above it meets the damage
    qint64 gut = nach;
    for (quint64 schritt = 1;; schritt *= 2) {
        if (schlecht == oben)
            return std::nullopt;
        gut = abstand(schlecht, oben) <= schritt ? oben : qint64(quint64(schlecht) + schritt);
        if (versuch(gut) != Befund::Beschaedigt)
            break;
        schlecht = gut;
    }
    while (abstand(schlecht, gut) > 1) {
        const qint64 mitte = qint64(quint64(schlecht) + abstand(schlecht, gut) / 2);
        (versuch(mitte) == Befund::Beschaedigt ? schlecht : gut) = mitte;
    }
    return versuch(gut) == Befund::Gefunden ? std::optional(gefunden) : std::nullopt;
}

const Cursor::Innen::Datensatz& Cursor::Innen::aktueller() const
{
    if (lage != Lage::AufDatensatz)
        throw keinAktuellerDatensatz();
    return puffer[pos];
}

Cursor::Cursor(Store& store) : d_(std::make_unique<Innen>(store.verbindung_->db)) {}

Cursor::~Cursor() = default;

bool Cursor::Eof() const
{
    return d_->lage == Innen::Lage::Ende;
}

std::optional<qint64> Cursor::LastModified() const
{
    return d_->zuletztGespeichert;
}

void Cursor::MoveFirst()
{
    d_->bearbeitung = Innen::Bearbeitung::Keine;
    d_->lage = Innen::Lage::Keine;
    d_->zuletztGelesen = std::numeric_limits<qint64>::min();
    d_->laden(std::numeric_limits<qint64>::min());
    if (d_->puffer.empty()) {
        d_->lage = Innen::Lage::Ende;
        throw keinAktuellerDatensatz();
    }
    d_->lage = Innen::Lage::AufDatensatz;
}

void Cursor::MoveNext()
{
    Innen& d = *d_;
    if (d.lage != Innen::Lage::AufDatensatz && d.lage != Innen::Lage::Geloescht)
        throw keinAktuellerDatensatz();
    d.bearbeitung = Innen::Bearbeitung::Keine;
    ++d.pos;
    if (d.pos < d.puffer.size()) {
        d.lage = Innen::Lage::AufDatensatz;
        return;
    }
    if (d.ausstehend) {
        d.lage = Innen::Lage::Keine;
        throw *std::exchange(d.ausstehend, std::nullopt);
    }
    const qint64 letzteId = d.puffer.back().id;
    if (d.pufferVoll && letzteId < std::numeric_limits<qint64>::max())
        d.laden(letzteId + 1);
    else
        d.puffer.clear();
    d.lage = d.puffer.empty() ? Innen::Lage::Ende : Innen::Lage::AufDatensatz;
}

bool Cursor::MoveNextBehindDamage()
{
    Innen& d = *d_;
    d.bearbeitung = Innen::Bearbeitung::Keine;
    d.lage = Innen::Lage::Ende;
    d.puffer.clear();
    // Every round either reads records or moves past one number, so the loop ends.
    while (const std::optional<qint64> erster = d.naechsteLesbare(d.zuletztGelesen)) {
        try {
            d.laden(*erster);
        } catch (const StoreError& fehler) {
            if (fehler.art() != StoreError::Art::Beschaedigt)
                throw;
            d.zuletztGelesen = *erster; // its number is readable, its fields are not: past it
            continue;
        }
        if (d.puffer.empty())
            return false;
        d.lage = Innen::Lage::AufDatensatz;
        return true;
    }
    return false;
}

QVariant Cursor::Field(Feld feld) const
{
    const auto index = std::size_t(feld);
    if (d_->bearbeitung != Innen::Bearbeitung::Keine)
        return d_->neu[index];
    return d_->aktueller().werte[index];
}

qint64 Cursor::Bookmark() const
{
    return d_->aktueller().id;
}

void Cursor::SetBookmark(qint64 bookmark)
{
    Innen& d = *d_;
    d.bearbeitung = Innen::Bearbeitung::Keine;
    d.lage = Innen::Lage::Keine;
    d.laden(bookmark);
    if (d.puffer.empty() || d.puffer.front().id != bookmark) {
        d.puffer.clear();
        throw eintragWeg();
    }
    d.lage = Innen::Lage::AufDatensatz;
}

void Cursor::AddNew()
{
    d_->bearbeitung = Innen::Bearbeitung::Neu;
    d_->neu = {};
    d_->geschrieben = {};
}

void Cursor::Edit()
{
    const Innen::Datensatz& satz = d_->aktueller();
    d_->bearbeitung = Innen::Bearbeitung::Aendern;
    d_->neu = satz.werte;
    d_->geschrieben = {};
    d_->bearbeiteteId = satz.id;
}

void Cursor::SetField(Feld feld, const QVariant& value)
{
    const auto index = std::size_t(feld);
    if (d_->bearbeitung == Innen::Bearbeitung::Keine)
        throw StoreError(StoreError::Art::KeineBearbeitung,
                         QStringLiteral("Ein Feld kann nur nach AddNew oder Edit geschrieben werden."));
    d_->neu[index] = umwandeln(value, index);
    d_->geschrieben[index] = true;
}

void Cursor::Update()
{
    Innen& d = *d_;
    if (d.bearbeitung == Innen::Bearbeitung::Keine)
        throw StoreError(StoreError::Art::KeineBearbeitung,
                         QStringLiteral("Es gibt keinen neuen oder geänderten Datensatz zu speichern."));

    if (d.bearbeitung == Innen::Bearbeitung::Neu) {
        for (std::size_t i = 0; i < d.neu.size(); ++i)
            d.einfuegen.bind(int(i) + 1, d.neu[i]);
        d.einfuegen.step();
        d.einfuegen.reset();
        d.zuletztGespeichert = sqlite3_last_insert_rowid(d.db);
    } else {
        for (std::size_t i = 0; i < d.neu.size(); ++i) {
            d.aendern.bindInt64(int(2 * i) + 1, d.geschrieben[i] ? 1 : 0);
            d.aendern.bind(int(2 * i) + 2, d.neu[i]);
        }
        d.aendern.bindInt64(11, d.bearbeiteteId);
        d.aendern.step();
        d.aendern.reset();
        if (sqlite3_changes(d.db) != 1)
            throw eintragWeg();
        d.zuletztGespeichert = d.bearbeiteteId;
        if (d.lage == Innen::Lage::AufDatensatz && d.puffer[d.pos].id == d.bearbeiteteId)
            d.puffer[d.pos].werte = d.neu;
    }
    d.bearbeitung = Innen::Bearbeitung::Keine;
}

void Cursor::CancelUpdate()
{
    d_->bearbeitung = Innen::Bearbeitung::Keine;
}

void Cursor::Delete()
{
    Innen& d = *d_;
    const qint64 id = d.aktueller().id;
    d.bearbeitung = Innen::Bearbeitung::Keine;
    d.loeschen.bindInt64(1, id);
    d.loeschen.step();
    d.loeschen.reset();
    if (sqlite3_changes(d.db) != 1)
        throw eintragWeg();
    d.lage = Innen::Lage::Geloescht;
}

} // namespace store
