#pragma once

#include <QTreeWidget>
#include <array>
#include <cstdint>

#include "storage/macro_events.h"

namespace mousecfg {

class TarnLineEdit;

// The mouse-command tree of the macro page: five button items ("LEFT CLICK" ...) with the
// children "PRESS DOWN" and "BOUNCE UP", and four movement items with a distance field each.
// Pressing a collapsed button item opens it (and closes the others); pressing an open one asks
// for a full click.
class MacroCommandTree : public QTreeWidget {
    Q_OBJECT

public:
    explicit MacroCommandTree(QWidget* parent = nullptr);
    void retranslate();

    QTreeWidgetItem* buttonItem(int index) const { return buttons_.at(static_cast<size_t>(index)); }
    QTreeWidgetItem* moveItem(int index) const { return moves_.at(static_cast<size_t>(index)); }
    TarnLineEdit* distanceField(int index) const { return distances_.at(static_cast<size_t>(index)); }

Q_SIGNALS:
    void clickRequested(std::uint8_t bit);
    void buttonRequested(std::uint8_t bit, bool press);
    void moveRequested(mousecfg::macro::Direction direction, int distance);

private:
    void applyStyle();
    void TreeitemClick(QTreeWidgetItem* item, int column);

    std::array<QTreeWidgetItem*, 5> buttons_{};
    std::array<QTreeWidgetItem*, 4> moves_{};
    std::array<TarnLineEdit*, 4> distances_{};
};

}  // namespace mousecfg
