#pragma once

#include <QHash>
#include <QWidget>
#include <memory>
#include <optional>

#include "device/macro_recorder.h"
#include "platform/key_capture.h"
#include "storage/macro_files.h"
#include "storage/macro_library.h"
#include "storage/paths.h"

class QCheckBox;
class QListWidget;
class QListWidgetItem;
class QTableView;

namespace mousecfg {

class MacroCommandTree;
class MacroEventModel;
class MacroPageDialogs;
class MacroRowEditor;
class TarnLabel;
class TarnLineEdit;
class TarnMacroItemDelegate;
class TarnPushButton;

// The MACRO page: the macro library (Configs/MacroDB and the macro list of Config.ini) on the
// left, the event table of the macro being edited, its row operations and play-back settings on
// the right. Keys are recorded through the key-capture service; mouse buttons and movements come
// from the mouse-command tree; GUN SET generates a macro from a firing pattern.
//
// The table is edited in memory; SAVE, STOP and GUN SET write the macro file, and loading
// another macro discards what was not saved.
class MacroDialog : public QWidget {
    Q_OBJECT

public:
    MacroDialog(Paths paths, KeyCaptureService& capture, QWidget* parent = nullptr);
    ~MacroDialog() override;

    // Tests answer the page's questions and set the recorder's clock.
    void setDialogs(std::unique_ptr<MacroPageDialogs> dialogs);
    void setClock(MillisecondClock clock);

    // Sets every caption again (after a language change).
    void retranslate();
    // Reads the macro list again and loads the current macro (after the files changed outside).
    void refresh();

    QString currentMacroName() const { return currentName_; }
    bool isRecording() const { return recording_; }
    bool isEditing() const { return editMode_; }
    bool isBatchMode() const { return batchMode_; }
    int delayUnit() const { return unit_; }
    // The key capture running now (recording, or a key row in edit mode); null otherwise.
    KeyCapture* keyCapture() const { return capture_.get(); }
    MacroEventModel* model() const { return model_; }
    QTableView* table() const { return table_; }
    QListWidget* macroList() const { return list_; }
    MacroCommandTree* commandTree() const { return tree_; }
    MacroRowEditor* rowEditor() const { return rowEditor_; }
    TarnLineEdit* nameField() const { return nameEdit_; }
    TarnLineEdit* defaultDelayField() const { return defaultDelay_; }
    TarnLineEdit* loopTimeField() const { return loopTime_; }

    // The page's buttons, check boxes and toggles by name.
    enum class Control {
        Start,
        Stop,
        RecordAfter,
        Edit,
        Save,
        Cancel,
        New,
        Delete,
        Rename,
        Import,
        Export,
        GunSet,
        MouseAction,
        InsertDelay,
        MoveUp,
        MoveDown,
        Top,
        Bottom,
        RowDelete,
        Copy,
        Cut,
        Paste,
        Clear,
    };
    TarnPushButton* button(Control control) const;
    QCheckBox* recordDelaysBox() const { return delayBoxes_[0]; }
    QCheckBox* defaultDelayBox() const { return delayBoxes_[1]; }
    QCheckBox* loopToggle(int index) const { return loopToggles_[static_cast<size_t>(index)]; }
    QCheckBox* batchBox() const { return batchBox_; }
    TarnLabel* focusHint() const { return focusHint_; }

Q_SIGNALS:
    // False when recording or edit mode starts, true when it ends: the window's own controls
    // follow it.
    void EnableButtonsSignal(bool bEnable);
    // CHANGE NAME renamed a macro of the library (buttons that play it follow the new name).
    void MacroRenamed(const QString& oldName, const QString& newName);

public Q_SLOTS:
    void itemClicked(QListWidgetItem* item);
    void checkbtn_clicked();
    void DefDelayChanged(const QString& text);
    void LoopTimeChanged(const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // Construction and layout (macro_dialog.cpp).
    void buildWidgets();
    TarnPushButton* makeButton(Control control, const char* objectName);
    void onButton();
    void updateControls();
    void applyStyles();
    void setSettingsVisible(bool visible);

    // The library (macro_dialog_library.cpp).
    void fillList();
    void addListEntry(const QString& name);
    void loadCurrent();
    bool saveCurrent();
    void resetSettings(int delayType);
    MacroFileData currentData() const;
    void newMacro();
    void deleteMacro();
    void renameMacro();
    void importMacros();
    void exportMacros();
    void gunSet();
    void reportLibrary(MacroLibraryResult result, const QString& name = QString());
    void warn(const QString& text);
    void warnTooMany();

    // Rows, the command tree and edit mode (macro_dialog_rows.cpp).
    int currentRow() const;
    void selectRow(int row);
    bool roomFor(int rows);
    void insertRows(const QVector<MacroEvent>& rows);
    QVector<MacroEvent> withDelay(const MacroEvent& event) const;
    void insertDelay();
    void deleteRow();
    void moveRow(int offset);
    void copyRow(bool cut);
    void pasteRow();
    void clearRows();
    void onTreeClick(std::uint8_t bit);
    void onTreeButton(std::uint8_t bit, bool press);
    void onTreeMove(macro::Direction direction, int distance);
    void toggleMouseCommands();
    void enterEditMode();
    void leaveEditMode();
    void CurrentChanged();
    void onRowEdited(const MacroEvent& row);

    // Recording (macro_dialog_record.cpp).
    void startRecording(bool keepRows);
    void stopRecording();
    void onKeyEvent(const RawKeyEvent& event);
    void recordKey(const RecordedKey& key);
    void replaceKey(const RecordedKey& key);
    void followCapture();

    Paths paths_;
    MacroLibrary library_;
    KeyCaptureService& captureService_;
    std::unique_ptr<KeyCapture> capture_;
    std::unique_ptr<MacroPageDialogs> dialogs_;
    MacroRecorder recorder_;
    int unit_ = 10;
    double styledScale_ = 0;

    int delayType_ = 0;
    bool recording_ = false;
    bool editMode_ = false;
    bool batchMode_ = false;
    bool showMouseCommands_ = false;
    int recordAt_ = 0;  // where the next recorded row goes
    std::optional<MacroEvent> clipboard_;
    QString currentName_;

    MacroEventModel* model_ = nullptr;
    TarnMacroItemDelegate* delegate_ = nullptr;
    QTableView* table_ = nullptr;
    QListWidget* list_ = nullptr;
    MacroCommandTree* tree_ = nullptr;
    TarnLabel* listLabel_ = nullptr;
    TarnLineEdit* nameEdit_ = nullptr;
    TarnLineEdit* defaultDelay_ = nullptr;
    TarnLineEdit* loopTime_ = nullptr;
    TarnLabel* msLabel_ = nullptr;
    TarnLabel* focusHint_ = nullptr;  // shown while recording when only our window's keys are seen
    MacroRowEditor* rowEditor_ = nullptr;
    std::array<QCheckBox*, 2> delayBoxes_{};
    std::array<QCheckBox*, 3> loopToggles_{};
    QCheckBox* batchBox_ = nullptr;
    QHash<int, TarnPushButton*> buttons_;
};

}  // namespace mousecfg
