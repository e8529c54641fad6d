// The macro page's recording: START, RECORD AFTER and STOP, keys from the capture service into
// rows, and the key of a row replaced in edit mode.
#include <QListWidget>
#include <QTableView>

#include "device/key_codes.h"
#include "pages/macros/macro_dialog.h"
#include "pages/macros/macro_row_editor.h"
#include "pages/macros/macros_log.h"
#include "storage/macro_event_model.h"
#include "widgets/tarn_label.h"
#include "widgets/tarn_line_edit.h"
#include "widgets/tarn_push_button.h"

namespace mousecfg {

void MacroDialog::startRecording(bool keepRows) {
    if (recording_ || editMode_ || list_->count() == 0) return;
    recording_ = true;
    button(Control::Start)->hide();
    button(Control::Stop)->show();
    if (keepRows) {
        const int row = currentRow();
        recordAt_ = row >= 0 ? row + 1 : model_->rowCount();
    } else {
        model_->clear();
        recordAt_ = 0;
    }
    recorder_.start();
    updateControls();
    followCapture();
    focusHint_->setVisible(!captureService_.systemWide());
    listLabel_->setFocus();
    Q_EMIT EnableButtonsSignal(false);
}

void MacroDialog::stopRecording() {
    if (!recording_) return;
    recording_ = false;
    button(Control::Stop)->hide();
    button(Control::Start)->show();
    focusHint_->hide();
    updateControls();
    followCapture();
    Q_EMIT EnableButtonsSignal(true);
    if (!macro::releaseCheckPasses(model_->events())) warn(tr("ONE OR MORE KEYS HAS NOT BEEN RELEASED."));
    saveCurrent();
}

void MacroDialog::followCapture() {
    const bool wanted = recording_ || (editMode_ && rowEditor_->kind() == macro::RowKind::Key);
    if (!wanted) {
        capture_.reset();
        return;
    }
    if (capture_) return;
    capture_ = captureService_.begin(this);
    if (capture_) connect(capture_.get(), &KeyCapture::keyEvent, this, &MacroDialog::onKeyEvent);
}

void MacroDialog::onKeyEvent(const RawKeyEvent& event) {
    const RecordedKey key = reduceRecordedKey(event.scanCode, event.flags);
    if (editMode_)
        replaceKey(key);
    else if (recording_)
        recordKey(key);
}

void MacroDialog::recordKey(const RecordedKey& key) {
    const MacroRecorder::Settings settings{static_cast<macro::DelayType>(delayType_),
                                           defaultDelay_->text().toInt(), unit_};
    QVector<MacroEvent> rows;
    const MacroRecorder::Outcome outcome = recorder_.record(key, model_->rowCount(), settings, rows);
    if (outcome != MacroRecorder::Outcome::Recorded) {
        qCDebug(lcMacroPage) << "key" << key.code << "not recorded:" << static_cast<int>(outcome);
        return;
    }
    // The key also reaches the focused widget: keep it out of the page's fields.
    listLabel_->setFocus();
    const int last = model_->insertAfter(recordAt_ - 1, rows);
    recordAt_ = last + 1;
    selectRow(last);
}

void MacroDialog::replaceKey(const RecordedKey& key) {
    if (!key.press || rowEditor_->kind() != macro::RowKind::Key) return;
    const auto usage = keycodes::usageOfKeyCode(key.code);
    if (!usage) return;
    listLabel_->setFocus();
    rowEditor_->replaceKey(*usage);
}

}  // namespace mousecfg
