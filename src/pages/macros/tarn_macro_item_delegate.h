#pragma once

#include <QHash>
#include <QPixmap>
#include <QStyledItemDelegate>
#include <array>

#include "storage/macro_files.h"

namespace mousecfg {

// The painter of the macro table's rows. It reads the event from the row's three cells and
// draws, per column, an icon and a text: what is pressed or moved, how, and for delay rows the
// delay in milliseconds.
class TarnMacroItemDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    // `unit`: milliseconds per delay count.
    explicit TarnMacroItemDelegate(int unit, QObject* parent = nullptr);

    struct Cell {
        QString icon;  // skin image, empty for none
        QString text;
    };
    // What the three columns of a row show.
    static std::array<Cell, 3> cells(const MacroEvent& event, int unit);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    QPixmap icon(const QString& name) const;

    int unit_;
    mutable QHash<QString, QPixmap> icons_;
};

}  // namespace mousecfg
