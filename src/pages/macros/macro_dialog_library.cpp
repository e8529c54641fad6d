// The macro page's library: the list, loading and saving the current macro, NEW, DELETE,
// CHANGE NAME, IMPORT, EXPORT and GUN SET.
#include <QCheckBox>
#include <QListWidget>
#include <QTableView>
#include <algorithm>

#include "pages/macros/macro_dialog.h"
#include "pages/macros/macro_page_dialogs.h"
#include "pages/macros/macros_log.h"
#include "pages/macros/tarn_gunset_dialog.h"
#include "storage/macro_event_model.h"
#include "storage/macro_events.h"
#include "widgets/tarn_line_edit.h"
#include "widgets/ui_context.h"

namespace mousecfg {

namespace {

const char* const kFilter = QT_TRANSLATE_NOOP("mousecfg::MacroDialog", "Macro File(*.MSMACRO)");

}  // namespace

void MacroDialog::warn(const QString& text) {
    dialogs_->warn(tr("Warning"), text);
}

void MacroDialog::warnTooMany() {
    dialogs_->warn(tr("WARNING"), tr("TOO MANY MACROS TO BE CREATE!"));
}

void MacroDialog::reportLibrary(MacroLibraryResult result, const QString& name) {
    switch (result) {
        case MacroLibraryResult::Ok:
        case MacroLibraryResult::Unchanged:
            return;
        case MacroLibraryResult::Full:
            warnTooMany();
            return;
        case MacroLibraryResult::Exists:
            warn(tr("Macro Exist!"));
            return;
        case MacroLibraryResult::BadName:
            warn(tr("INVALID MACRO NAME: %1").arg(name));
            return;
        case MacroLibraryResult::Missing:
            warn(tr("THE FILE OF MACRO %1 IS MISSING.").arg(name));
            return;
        case MacroLibraryResult::FileError:
        case MacroLibraryResult::ListError:
            warn(tr("THE MACRO FILES COULD NOT BE WRITTEN. NOTHING WAS CHANGED."));
            return;
    }
}

void MacroDialog::addListEntry(const QString& name) {
    auto* item = new QListWidgetItem(name, list_);
    if (batchMode_) {
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        item->setForeground(Qt::white);
    }
}

void MacroDialog::fillList() {
    const QString current = currentName_;
    list_->clear();
    for (const QString& name : library_.names()) addListEntry(name);
    const QList<QListWidgetItem*> same = list_->findItems(current, Qt::MatchExactly);
    if (!current.isEmpty() && !same.isEmpty())
        list_->setCurrentItem(same.first());
    else if (list_->count() > 0)
        list_->setCurrentRow(0);
    updateControls();
}

void MacroDialog::refresh() {
    fillList();
    loadCurrent();
}

void MacroDialog::itemClicked(QListWidgetItem* item) {
    if (!item) return;
    list_->setCurrentItem(item);
    loadCurrent();
}

void MacroDialog::resetSettings(int delayType) {
    delayType_ = delayType;
    delayBoxes_[0]->setChecked(delayType == 1);
    delayBoxes_[1]->setChecked(delayType == 2);
    for (QCheckBox* t : loopToggles_) t->setChecked(false);
    model_->clear();
    defaultDelay_->setText(QStringLiteral("10"));
    loopTime_->setText(QStringLiteral("1"));
}

void MacroDialog::loadCurrent() {
    QListWidgetItem* item = list_->currentItem();
    if (!item) {
        currentName_.clear();
        nameEdit_->clear();
        updateControls();
        return;
    }
    currentName_ = item->text();
    nameEdit_->setText(currentName_);
    const MacroFileData data = readMacroFile(paths_, currentName_);
    delayType_ = data.delayType >= 0 && data.delayType <= 2 ? data.delayType : 0;
    delayBoxes_[0]->setChecked(delayType_ == 1);
    delayBoxes_[1]->setChecked(delayType_ == 2);
    defaultDelay_->setText(QString::number(std::clamp(data.defaultDelay, 0, macro::kMaxDelayCount)));
    loopTime_->setText(QString::number(std::clamp(data.loopTime, 0, 255)));
    for (size_t i = 0; i < loopToggles_.size(); ++i)
        loopToggles_[i]->setChecked(data.loopType == static_cast<int>(i) + 1);
    model_->setEvents(macro::editorRows(data.events));
    selectRow(model_->rowCount() - 1);
    updateControls();
}

MacroFileData MacroDialog::currentData() const {
    MacroFileData data;
    data.defaultDelay = defaultDelay_->text().toInt();
    data.delayType = delayType_;
    for (size_t i = 0; i < loopToggles_.size(); ++i)
        if (loopToggles_[i]->isChecked()) data.loopType = static_cast<int>(i) + 1;
    data.loopTime = loopTime_->text().toInt();
    data.events = model_->events();
    return data;
}

bool MacroDialog::saveCurrent() {
    if (currentName_.isEmpty()) return false;
    if (writeMacroFile(paths_, currentName_, currentData())) return true;
    qCWarning(lcMacroPage) << "macro not saved:" << currentName_;
    warn(
        tr("THE MACRO %1 COULD NOT BE SAVED. CHECK THAT THE MACRO FOLDER CAN BE WRITTEN.").arg(currentName_));
    return false;
}

void MacroDialog::newMacro() {
    if (library_.isFull()) {
        warnTooMany();
        return;
    }
    const QString name = library_.newMacroName();
    resetSettings(0);
    MacroFileData data = currentData();
    const MacroLibraryResult r = library_.create(name, data);
    if (r != MacroLibraryResult::Ok) {
        reportLibrary(r, name);
        loadCurrent();
        return;
    }
    addListEntry(name);
    list_->setCurrentRow(list_->count() - 1);
    currentName_ = name;
    nameEdit_->setText(name);
    updateControls();
}

void MacroDialog::deleteMacro() {
    QListWidgetItem* item = list_->currentItem();
    if (!item || item->text().isEmpty()) return;
    const QString name = item->text();
    const MacroLibraryResult r = library_.remove(name);
    if (r != MacroLibraryResult::Ok) {
        reportLibrary(r, name);
        return;
    }
    const bool only = list_->count() == 1;
    delete list_->takeItem(list_->row(item));
    if (only) model_->clear();
    loadCurrent();
}

void MacroDialog::renameMacro() {
    QListWidgetItem* item = list_->currentItem();
    if (!item) return;
    const QString typed = nameEdit_->text();
    QString name;
    const MacroLibraryResult r = library_.rename(item->text(), typed, &name);
    if (r != MacroLibraryResult::Ok) {
        reportLibrary(r, typed);
        if (r != MacroLibraryResult::Unchanged) nameEdit_->setText(item->text());
        return;
    }
    const QString old = item->text();
    item->setText(name);
    currentName_ = name;
    nameEdit_->setText(name);
    Q_EMIT MacroRenamed(old, name);
}

void MacroDialog::importMacros() {
    const QString title = tr("Load Macro File");
    if (!batchMode_) {
        const QString file = dialogs_->openFile(title, tr(kFilter));
        if (file.isEmpty()) return;
        QString name;
        const MacroLibraryResult r = library_.importFile(file, &name);
        if (r != MacroLibraryResult::Ok) {
            reportLibrary(r, name);
            return;
        }
        addListEntry(name);
        list_->setCurrentRow(list_->count() - 1);
        loadCurrent();
        return;
    }
    const QStringList files = dialogs_->openFiles(title, tr(kFilter));
    if (files.isEmpty()) return;
    const MacroLibrary::BatchImport batch = library_.importFiles(files);
    fillList();
    QStringList lines;
    const QString separator = QStringLiteral(", ");
    if (!batch.existing.isEmpty())
        lines << tr("Macro Exist!") + QLatin1Char(' ') + batch.existing.join(separator);
    if (!batch.overflow.isEmpty())
        lines << tr("TOO MANY MACROS TO BE CREATE!") + QLatin1Char(' ') + batch.overflow.join(separator);
    if (!batch.failed.isEmpty()) lines << tr("NOT IMPORTED: %1").arg(batch.failed.join(separator));
    if (!lines.isEmpty()) warn(lines.join(QLatin1Char('\n')));
}

void MacroDialog::exportMacros() {
    const QString title = tr("Save Macro File");
    if (!batchMode_) {
        if (currentName_.isEmpty()) return;
        const QString target =
            dialogs_->saveFile(title, currentName_ + QStringLiteral(".MSMACRO"), tr(kFilter));
        if (target.isEmpty()) return;
        const MacroLibraryResult r = library_.exportTo(currentName_, target);
        if (r == MacroLibraryResult::FileError)
            warn(tr("THE FILE %1 COULD NOT BE WRITTEN.").arg(target));
        else
            reportLibrary(r, currentName_);
        return;
    }
    QStringList checked;
    for (int i = 0; i < list_->count(); ++i)
        if (list_->item(i)->checkState() == Qt::Checked) checked << list_->item(i)->text();
    if (checked.isEmpty()) return;
    const QString folder = dialogs_->folder(title);
    if (folder.isEmpty()) return;
    const QStringList failed = library_.exportToFolder(checked, folder);
    if (!failed.isEmpty())
        warn(tr("NOT EXPORTED (A FILE OF THAT NAME EXISTS OR THE FOLDER CANNOT BE WRITTEN): %1")
                 .arg(failed.join(QStringLiteral(", "))));
}

void MacroDialog::gunSet() {
    if (library_.isFull()) {
        warnTooMany();
        return;
    }
    TarnGunsetDialog dialog(this, UiContext::current().scale);
    if (!dialogs_->runGunDialog(dialog)) return;
    const QString typed = dialog.fileName();
    if (!Paths::isSafeFileName(typed)) {
        reportLibrary(MacroLibraryResult::BadName, typed);
        return;
    }
    const QString name = library_.freeName(typed);
    const MacroLibraryResult r = dialog.write(library_, name);
    if (r != MacroLibraryResult::Ok) {
        reportLibrary(r, name);
        return;
    }
    resetSettings(1);
    addListEntry(name);
    list_->setCurrentRow(list_->count() - 1);
    loadCurrent();
}

}  // namespace mousecfg
