#include "pages/macros/tarn_macro_item_delegate.h"

#include <QPainter>
#include <algorithm>

#include "pages/macros/macro_texts.h"
#include "storage/macro_event_model.h"
#include "storage/macro_events.h"
#include "widgets/ui_context.h"

namespace mousecfg {

TarnMacroItemDelegate::TarnMacroItemDelegate(int unit, QObject* parent)
    : QStyledItemDelegate(parent), unit_(unit) {}

std::array<TarnMacroItemDelegate::Cell, 3> TarnMacroItemDelegate::cells(const MacroEvent& e, int unit) {
    const QString keyIcon = QStringLiteral("keybo.png");
    const QString mouseIcon = QStringLiteral("mouse_move.png");
    auto pressCell = [&e]() -> Cell {
        if (macro::isPress(e)) return {QStringLiteral("keydown.png"), MacroTexts::tr("Press")};
        return {QStringLiteral("keyup.png"), MacroTexts::tr("Release")};
    };
    switch (macro::rowKind(e)) {
        case macro::RowKind::Key:
            return {Cell{keyIcon, MacroTexts::keyNameOfUsage(e.dataL)}, pressCell(), Cell{}};
        case macro::RowKind::MouseButton:
            return {Cell{mouseIcon, MacroTexts::buttonName(e.dataL)}, pressCell(), Cell{}};
        case macro::RowKind::Move: {
            const macro::Movement m = macro::movementOf(e);
            return {Cell{mouseIcon, MacroTexts::directionName(m.direction)},
                    Cell{QString(), QString::number(m.distance)}, Cell{}};
        }
        case macro::RowKind::Delay:
            return {Cell{QStringLiteral("delay.png"), QString()}, Cell{},
                    Cell{QString(), QString::number(macro::delayCount(e) * unit)}};
        case macro::RowKind::Other:
            break;
    }
    return {Cell{keyIcon, QStringLiteral("driverText")}, Cell{QString(), QString::number(e.map)}, Cell{}};
}

QPixmap TarnMacroItemDelegate::icon(const QString& name) const {
    auto it = icons_.find(name);
    if (it == icons_.end()) it = icons_.insert(name, QPixmap(UiContext::current().skinPath(name)));
    return *it;
}

void TarnMacroItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    const QAbstractItemModel* model = index.model();
    auto byte = [&](int column) {
        return static_cast<std::uint8_t>(model->index(index.row(), column).data().toString().toInt());
    };
    const MacroEvent e{byte(MacroEventModel::MapColumn), byte(MacroEventModel::DataHColumn),
                       byte(MacroEventModel::DataLColumn)};
    const Cell cell = cells(e, unit_)[static_cast<size_t>(std::clamp(index.column(), 0, 2))];
    const UiContext& ui = UiContext::current();
    const bool selected = (option.state & QStyle::State_Selected) != 0;

    painter->save();
    if (selected) painter->fillRect(option.rect, ui.theme);
    const int side = ui.scaled(20);
    if (!cell.icon.isEmpty()) {
        const QRect r(option.rect.left() + ui.scaled(10), option.rect.center().y() - side / 2, side, side);
        painter->setRenderHint(QPainter::SmoothPixmapTransform);
        painter->drawPixmap(r, icon(cell.icon));
    }
    painter->setFont(ui.font());
    painter->setPen(selected ? Qt::black : Qt::white);
    painter->drawText(option.rect, Qt::AlignCenter, cell.text);
    painter->restore();
}

QSize TarnMacroItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QSize s = QStyledItemDelegate::sizeHint(option, index);
    s.setHeight(UiContext::current().scaled(26));
    return s;
}

}  // namespace mousecfg
