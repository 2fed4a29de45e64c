#pragma once

#include <QAbstractListModel>
#include <QList>

namespace ui {

// One line of a list box and the identity of the entry it stands for (-1 for none).
struct Zeile {
    QString text;
    qint64 id = -1;
};

// The lines of a list box. A sorted model keeps its lines in ascending, case-blind order of their
// text (German collation, so "Ärger" stands among the A); lines that compare equal keep the order
// in which they were added.
class Zeilenmodell final : public QAbstractListModel {
public:
    explicit Zeilenmodell(bool sortiert, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Adds lines; a sorted model puts each at its place, in the same order as adding them one by one.
    void hinzufuegen(QList<Zeile> zeilen);
    void leeren();
    const Zeile& zeile(int row) const { return zeilen_.at(row); }

private:
    void einsortieren(QList<Zeile> neu);

    bool sortiert_;
    QList<Zeile> zeilen_;
};

} // namespace ui
