#include "cursor.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>

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

std::size_t feldIndex(const QString& name)
{
    // Field names are case-blind; the exact spelling is by far the most common and the cheapest.
    for (std::size_t i = 0; i < feldnamen.size(); ++i) {
        if (name == QLatin1String(feldnamen[i]))
            return i;
    }
    for (std::size_t i = 0; i < feldnamen.size(); ++i) {
        if (name.compare(QLatin1String(feldnamen[i]), Qt::CaseInsensitive) == 0)
            return i;
    }
    throw StoreError(StoreError::Art::UnbekanntesFeld, QStringLiteral("Das Feld %1 gibt es nicht.").arg(name));
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

Cursor::Cursor(Store& store)
    : db_(store.handle()),
      lesen_(db_, "SELECT rowid, Bezeichnung, tag, monat, jahr, Bemerkungen FROM Gedenkbuch "
                  "WHERE rowid >= ?1 ORDER BY rowid LIMIT ?2"),
      einfuegen_(db_, "INSERT INTO Gedenkbuch (Bezeichnung, tag, monat, jahr, Bemerkungen) VALUES (?1, ?2, ?3, ?4, ?5)"),
      // Only the fields written since Edit are changed; the others keep what is stored now.
      aendern_(db_, "UPDATE Gedenkbuch SET "
                    "Bezeichnung = CASE WHEN ?1 THEN ?2 ELSE Bezeichnung END, "
                    "tag = CASE WHEN ?3 THEN ?4 ELSE tag END, "
                    "monat = CASE WHEN ?5 THEN ?6 ELSE monat END, "
                    "jahr = CASE WHEN ?7 THEN ?8 ELSE jahr END, "
                    "Bemerkungen = CASE WHEN ?9 THEN ?10 ELSE Bemerkungen END "
                    "WHERE rowid = ?11"),
      loeschen_(db_, "DELETE FROM Gedenkbuch WHERE rowid = ?1")
{
}

void Cursor::laden(qint64 abId)
{
    puffer_.clear();
    puffer_.reserve(pufferGroesse);
    pos_ = 0;
    lesen_.bindInt64(1, abId);
    lesen_.bindInt64(2, pufferGroesse);
    while (lesen_.step()) {
        Datensatz satz{lesen_.columnInt64(0), {}};
        for (std::size_t i = 0; i < satz.werte.size(); ++i)
            satz.werte[i] = lesen_.column(int(i) + 1);
        puffer_.push_back(std::move(satz));
    }
    pufferVoll_ = puffer_.size() == std::size_t(pufferGroesse);
}

void Cursor::verwerfen()
{
    bearbeitung_ = Bearbeitung::Keine;
}

void Cursor::MoveFirst()
{
    verwerfen();
    lage_ = Lage::Keine;
    laden(std::numeric_limits<qint64>::min());
    if (puffer_.empty()) {
        lage_ = Lage::Ende;
        throw keinAktuellerDatensatz();
    }
    lage_ = Lage::AufDatensatz;
}

void Cursor::MoveNext()
{
    if (lage_ != Lage::AufDatensatz && lage_ != Lage::Geloescht)
        throw keinAktuellerDatensatz();
    verwerfen();
    ++pos_;
    if (pos_ < puffer_.size()) {
        lage_ = Lage::AufDatensatz;
        return;
    }
    const qint64 letzteId = puffer_.back().id;
    if (pufferVoll_ && letzteId < std::numeric_limits<qint64>::max())
        laden(letzteId + 1);
    else
        puffer_.clear();
    lage_ = puffer_.empty() ? Lage::Ende : Lage::AufDatensatz;
}

const Cursor::Datensatz& Cursor::aktueller() const
{
    if (lage_ != Lage::AufDatensatz)
        throw keinAktuellerDatensatz();
    return puffer_[pos_];
}

QVariant Cursor::Field(const QString& name) const
{
    const std::size_t index = feldIndex(name);
    if (bearbeitung_ != Bearbeitung::Keine)
        return neu_[index];
    return aktueller().werte[index];
}

qint64 Cursor::Bookmark() const
{
    return aktueller().id;
}

void Cursor::SetBookmark(qint64 bookmark)
{
    verwerfen();
    lage_ = Lage::Keine;
    laden(bookmark);
    if (puffer_.empty() || puffer_.front().id != bookmark) {
        puffer_.clear();
        throw eintragWeg();
    }
    lage_ = Lage::AufDatensatz;
}

void Cursor::AddNew()
{
    bearbeitung_ = Bearbeitung::Neu;
    neu_ = {};
    geschrieben_ = {};
}

void Cursor::Edit()
{
    const Datensatz& satz = aktueller();
    bearbeitung_ = Bearbeitung::Aendern;
    neu_ = satz.werte;
    geschrieben_ = {};
    bearbeiteteId_ = satz.id;
}

void Cursor::SetField(const QString& name, const QVariant& value)
{
    const std::size_t index = feldIndex(name);
    if (bearbeitung_ == Bearbeitung::Keine)
        throw StoreError(StoreError::Art::KeineBearbeitung,
                         QStringLiteral("Ein Feld kann nur nach AddNew oder Edit geschrieben werden."));
    neu_[index] = umwandeln(value, index);
    geschrieben_[index] = true;
}

void Cursor::Update()
{
    if (bearbeitung_ == Bearbeitung::Keine)
        throw StoreError(StoreError::Art::KeineBearbeitung,
                         QStringLiteral("Es gibt keinen neuen oder geänderten Datensatz zu speichern."));

    if (bearbeitung_ == Bearbeitung::Neu) {
        for (std::size_t i = 0; i < neu_.size(); ++i)
            einfuegen_.bind(int(i) + 1, neu_[i]);
        einfuegen_.step();
        einfuegen_.reset();
        zuletztGespeichert_ = sqlite3_last_insert_rowid(db_);
    } else {
        for (std::size_t i = 0; i < neu_.size(); ++i) {
            aendern_.bindInt64(int(2 * i) + 1, geschrieben_[i] ? 1 : 0);
            aendern_.bind(int(2 * i) + 2, neu_[i]);
        }
        aendern_.bindInt64(11, bearbeiteteId_);
        aendern_.step();
        aendern_.reset();
        if (sqlite3_changes(db_) != 1)
            throw eintragWeg();
        zuletztGespeichert_ = bearbeiteteId_;
        if (lage_ == Lage::AufDatensatz && puffer_[pos_].id == bearbeiteteId_)
            puffer_[pos_].werte = neu_;
    }
    bearbeitung_ = Bearbeitung::Keine;
}

void Cursor::CancelUpdate()
{
    verwerfen();
}

void Cursor::Delete()
{
    const qint64 id = aktueller().id;
    verwerfen();
    loeschen_.bindInt64(1, id);
    loeschen_.step();
    loeschen_.reset();
    if (sqlite3_changes(db_) != 1)
        throw eintragWeg();
    lage_ = Lage::Geloescht;
}

} // namespace store
