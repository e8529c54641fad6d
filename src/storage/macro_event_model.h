#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <QVector>

#include "storage/macro_files.h"

namespace mousecfg {

// The event list of the macro editor: one row per event, the columns Map, DataH and DataL, each
// cell the decimal text of its byte (what the macro file stores). The row operations return the
// row that becomes current, so the editor and a command-line tool apply the same rules.
class MacroEventModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { MapColumn = 0, DataHColumn = 1, DataLColumn = 2, ColumnCount = 3 };

    explicit MacroEventModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // The three column captions.
    void setHeaders(const QStringList& captions);

    const QVector<MacroEvent>& events() const { return events_; }
    MacroEvent eventAt(int row) const { return events_.value(row); }
    void setEvents(const QVector<MacroEvent>& events);
    void setEvent(int row, const MacroEvent& event);
    void clear();

    // Inserts `events` directly after row `current` (at the top when no row is current, -1) and
    // returns the row of the last one inserted; `current` when `events` is empty.
    int insertAfter(int current, const QVector<MacroEvent>& events);
    // Appends one event and returns its row.
    int append(const MacroEvent& event);
    // Removes `row` and returns the row to select: the row now at the same index, the new last
    // row when the last one went, -1 when the list held one row (or `row` is not a row).
    int removeAt(int row);
    // Moves `row` to `target` (clamped to the list) and returns the row it now has; a row
    // already there stays. -1 when `row` is not a row.
    int moveTo(int row, int target);

private:
    QVector<MacroEvent> events_;
    QStringList headers_;
};

}  // namespace mousecfg
