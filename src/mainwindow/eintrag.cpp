#include "eintrag.h"

#include "store/cursor.h"
#include "ui/zahlen.h"

std::optional<Eintrag> eintragLesen(const store::Cursor& cursor)
{
    const QVariant name = cursor.Field(QStringLiteral("Bezeichnung"));
    const auto tag = ui::feldAlsInt16(cursor.Field(QStringLiteral("tag")));
    const auto monat = ui::feldAlsInt16(cursor.Field(QStringLiteral("monat")));
    if (name.isNull() || !tag || !monat)
        return std::nullopt;

    Eintrag e;
    e.id = cursor.Bookmark();
    e.Bezeichnung = name.toString();
    e.tag = *tag;
    e.monat = *monat;
    e.jahr = ui::feldAlsInt16(cursor.Field(QStringLiteral("jahr")));
    e.Bemerkungen = cursor.Field(QStringLiteral("Bemerkungen")).toString();
    return e;
}
