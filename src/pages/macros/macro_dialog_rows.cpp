// The macro page's rows: row operations, the mouse-command tree and edit mode.
#include <QListWidget>
#include <QTableView>

#include "pages/macros/macro_command_tree.h"
#include "pages/macros/macro_dialog.h"
#include "pages/macros/macro_row_editor.h"
#include "storage/macro_event_model.h"
#include "storage/macro_events.h"
#include "widgets/tarn_label.h"
#include "widgets/tarn_line_edit.h"
#include "widgets/tarn_push_button.h"

namespace mousecfg {

int MacroDialog::currentRow() const {
    const QModelIndex i = table_->currentIndex();
    return i.isValid() ? i.row() : -1;
}

void MacroDialog::selectRow(int row) {
    if (row < 0 || row >= model_->rowCount()) {
        table_->clearSelection();
        table_->setCurrentIndex(QModelIndex());
        return;
    }
    table_->setCurrentIndex(model_->index(row, 0));
    table_->selectRow(row);
    table_->scrollTo(model_->index(row, 0));
}

bool MacroDialog::roomFor(int rows) {
    if (model_->rowCount() + rows <= macro::kMaxRows) return true;
    warn(tr("A MACRO HOLDS AT MOST %1 ACTIONS.").arg(macro::kMaxRows));
    return false;
}

void MacroDialog::insertRows(const QVector<MacroEvent>& rows) {
    if (list_->count() == 0 || !roomFor(rows.size())) return;
    selectRow(model_->insertAfter(currentRow(), rows));
}

QVector<MacroEvent> MacroDialog::withDelay(const MacroEvent& event) const {
    QVector<MacroEvent> rows{event};
    if (delayType_ == static_cast<int>(macro::DelayType::Recorded))
        rows << macro::delayEvent(macro::delayCountForMs(10, unit_));
    else if (delayType_ == static_cast<int>(macro::DelayType::Default))
        rows << macro::delayEvent(macro::delayCountForMs(defaultDelay_->text().toInt(), unit_));
    return rows;
}

void MacroDialog::insertDelay() {
    insertRows({macro::delayEvent(macro::delayCountForMs(10, unit_))});
}

void MacroDialog::deleteRow() {
    if (currentRow() < 0) return;
    selectRow(model_->removeAt(currentRow()));
}

void MacroDialog::moveRow(int offset) {
    const int row = currentRow();
    if (row < 0) return;
    selectRow(model_->moveTo(row, row + offset));
}

void MacroDialog::copyRow(bool cut) {
    const int row = currentRow();
    if (row < 0) return;
    clipboard_ = model_->eventAt(row);
    if (cut) deleteRow();
}

void MacroDialog::pasteRow() {
    if (clipboard_) insertRows({*clipboard_});
}

void MacroDialog::clearRows() {
    model_->clear();
}

void MacroDialog::onTreeClick(std::uint8_t bit) {
    QVector<MacroEvent> rows = withDelay(macro::buttonEvent(bit, true));
    rows << withDelay(macro::buttonEvent(bit, false));
    insertRows(rows);
}

void MacroDialog::onTreeButton(std::uint8_t bit, bool press) {
    insertRows(withDelay(macro::buttonEvent(bit, press)));
}

void MacroDialog::onTreeMove(macro::Direction direction, int distance) {
    insertRows(withDelay(macro::moveEvent(direction, distance)));
}

void MacroDialog::toggleMouseCommands() {
    showMouseCommands_ = !showMouseCommands_;
    tree_->setVisible(showMouseCommands_);
    list_->setVisible(!showMouseCommands_);
    button(Control::MouseAction)->setCheckedState(showMouseCommands_);
    listLabel_->setText(showMouseCommands_ ? tr("MOUSE ACTION") : tr("MACRO NAME"));
}

void MacroDialog::enterEditMode() {
    const int row = currentRow();
    if (row < 0) return;
    editMode_ = true;
    setSettingsVisible(false);
    rowEditor_->show();
    rowEditor_->showRow(model_->eventAt(row));
    selectRow(row);
    updateControls();
    followCapture();
    Q_EMIT EnableButtonsSignal(false);
}

void MacroDialog::leaveEditMode() {
    const bool was = editMode_;
    editMode_ = false;
    setSettingsVisible(true);
    rowEditor_->hide();
    updateControls();
    followCapture();
    if (was) Q_EMIT EnableButtonsSignal(true);
}

void MacroDialog::CurrentChanged() {
    if (!editMode_) return;
    const int row = currentRow();
    rowEditor_->showRow(row >= 0 ? model_->eventAt(row) : MacroEvent{});
    followCapture();
}

void MacroDialog::onRowEdited(const MacroEvent& row) {
    const int r = currentRow();
    if (editMode_ && r >= 0) model_->setEvent(r, row);
}

}  // namespace mousecfg
