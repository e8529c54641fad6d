#include "storage/macro_event_model.h"

#include <algorithm>

namespace mousecfg {

MacroEventModel::MacroEventModel(QObject* parent) : QAbstractTableModel(parent) {}

int MacroEventModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : events_.size();
}

int MacroEventModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant MacroEventModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= events_.size() || role != Qt::DisplayRole) return QVariant();
    const MacroEvent& e = events_[index.row()];
    switch (index.column()) {
        case MapColumn:
            return QString::number(e.map);
        case DataHColumn:
            return QString::number(e.dataH);
        case DataLColumn:
            return QString::number(e.dataL);
        default:
            return QVariant();
    }
}

QVariant MacroEventModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < headers_.size())
        return headers_[section];
    return QAbstractTableModel::headerData(section, orientation, role);
}

void MacroEventModel::setHeaders(const QStringList& captions) {
    headers_ = captions;
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

void MacroEventModel::setEvents(const QVector<MacroEvent>& events) {
    beginResetModel();
    events_ = events;
    endResetModel();
}

void MacroEventModel::setEvent(int row, const MacroEvent& event) {
    if (row < 0 || row >= events_.size()) return;
    events_[row] = event;
    Q_EMIT dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

void MacroEventModel::clear() {
    setEvents({});
}

int MacroEventModel::insertAfter(int current, const QVector<MacroEvent>& events) {
    if (events.isEmpty()) return current;
    const int at = std::clamp(current + 1, 0, static_cast<int>(events_.size()));
    beginInsertRows(QModelIndex(), at, at + events.size() - 1);
    for (int i = 0; i < events.size(); ++i) events_.insert(at + i, events[i]);
    endInsertRows();
    return at + events.size() - 1;
}

int MacroEventModel::append(const MacroEvent& event) {
    return insertAfter(events_.size() - 1, {event});
}

int MacroEventModel::removeAt(int row) {
    if (row < 0 || row >= events_.size()) return -1;
    const bool only = events_.size() == 1;
    beginRemoveRows(QModelIndex(), row, row);
    events_.remove(row);
    endRemoveRows();
    if (only) return -1;
    return std::min(row, static_cast<int>(events_.size()) - 1);
}

int MacroEventModel::moveTo(int row, int target) {
    if (row < 0 || row >= events_.size()) return -1;
    const int to = std::clamp(target, 0, static_cast<int>(events_.size()) - 1);
    if (to == row) return row;
    // beginMoveRows counts the destination before the move: one further down when moving down.
    beginMoveRows(QModelIndex(), row, row, QModelIndex(), to > row ? to + 1 : to);
    events_.move(row, to);
    endMoveRows();
    return to;
}

}  // namespace mousecfg
