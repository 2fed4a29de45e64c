#include "eintrag.h"

#include "store/cursor.h"
#include "zahlen.h"

namespace core {

using store::Feld;

qsizetype zeichenzahl(QStringView text)
{
    qsizetype zeichen = text.size();
    for (qsizetype i = 1; i < text.size(); ++i) {
        if (text[i].isLowSurrogate() && text[i - 1].isHighSurrogate())
            --zeichen;
    }
    return zeichen;
}

std::optional<Eintrag> eintragLesen(const store::Cursor& cursor)
{
    const QVariant name = cursor.Field(Feld::Bezeichnung);
    const auto tag = feldAlsInt16(cursor.Field(Feld::tag));
    const auto monat = feldAlsInt16(cursor.Field(Feld::monat));
    if (name.isNull() || !tag || !monat)
        return std::nullopt;
    return Eintrag{cursor.Bookmark(), name.toString(), *tag, *monat, feldAlsInt16(cursor.Field(Feld::jahr)),
                   cursor.Field(Feld::Bemerkungen).toString()};
}

Feldtexte feldtexteLesen(const store::Cursor& cursor)
{
    const auto text = [&cursor](Feld feld) {
        const QVariant wert = cursor.Field(feld);
        return wert.isNull() ? std::nullopt : std::optional<QString>(wert.toString());
    };
    return {cursor.Bookmark(), text(Feld::Bezeichnung).value_or(QString()), text(Feld::tag).value_or(QString()),
            text(Feld::monat).value_or(QString()), text(Feld::jahr), text(Feld::Bemerkungen)};
}

} // namespace core
