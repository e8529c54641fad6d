#include "pages/macros/macro_dialog.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QIntValidator>
#include <QListWidget>
#include <QTableView>

#include "pages/macros/macro_command_tree.h"
#include "pages/macros/macro_page_dialogs.h"
#include "pages/macros/macro_row_editor.h"
#include "pages/macros/macros_log.h"
#include "pages/macros/tarn_macro_item_delegate.h"
#include "storage/macro_event_model.h"
#include "storage/product_descriptor.h"
#include "widgets/tarn_label.h"
#include "widgets/tarn_line_edit.h"
#include "widgets/tarn_push_button.h"
#include "widgets/ui_context.h"

namespace mousecfg {

namespace {

constexpr int kColumnWidth = 160;
constexpr int kNameLength = 20;

QStringList buttonImages() {
    return {QStringLiteral("tabbutton-1.png"), QStringLiteral("tabbutton-3.png"),
            QStringLiteral("tabbutton-2.png")};
}

QString checkBoxSheet() {
    const UiContext& ui = UiContext::current();
    return QStringLiteral(
               "QCheckBox{color:white;background:transparent;spacing:4px;}"
               "QCheckBox:disabled{color:rgb(120,120,120);}"
               "QCheckBox::indicator{width:%3px;height:%3px;}"
               "QCheckBox::indicator:unchecked{image:url(%1);}"
               "QCheckBox::indicator:checked{image:url(%2);}")
        .arg(ui.skinPath(QStringLiteral("checkbox2-1.png")), ui.skinPath(QStringLiteral("checkbox2-2.png")))
        .arg(ui.scaled(14));
}

// The language font, spelled out in the style sheets: a style sheet on a widget keeps the
// toolkit's default font otherwise.
QString fontRule() {
    const QFont f = UiContext::current().font();
    return QStringLiteral("font-family:'%1';font-size:%2px;").arg(f.family()).arg(f.pixelSize());
}

QString fieldSheet() {
    return QStringLiteral(
               "QLineEdit{background-color:rgb(30,30,30);color:white;border:1px solid "
               "rgb(90,90,90);padding:0 3px;%1}"
               "QLineEdit:disabled{color:rgb(120,120,120);}")
        .arg(fontRule());
}

QString viewSheet() {
    const UiContext& ui = UiContext::current();
    return QStringLiteral(
               "QListWidget,QTableView{background-color:rgb(30,30,30);color:white;"
               "border:1px solid rgb(70,70,70);gridline-color:rgb(55,55,55);outline:none;%4}"
               "QListWidget::item{height:%5px;}"
               "QListWidget::indicator{width:%7px;height:%7px;}"
               "QListWidget::indicator:unchecked{image:url(%8);}"
               "QListWidget::indicator:checked{image:url(%9);}"
               "QHeaderView{background-color:rgb(45,45,45);}"
               "QListWidget::item:selected{background:rgb(%1,%2,%3);color:black;}"
               "QHeaderView::section{background-color:rgb(45,45,45);color:white;border:none;"
               "border-right:1px solid rgb(70,70,70);%4}"
               "QScrollBar:vertical{background:rgb(30,30,30);width:%6px;}"
               "QScrollBar::handle:vertical{background:rgb(90,90,90);min-height:20px;}"
               "QScrollBar::add-line,QScrollBar::sub-line{height:0;}")
        .arg(ui.theme.red())
        .arg(ui.theme.green())
        .arg(ui.theme.blue())
        .arg(fontRule())
        .arg(ui.scaled(24))
        .arg(ui.scaled(12))
        .arg(ui.scaled(14))
        .arg(ui.skinPath(QStringLiteral("checkbox2-1.png")))
        .arg(ui.skinPath(QStringLiteral("checkbox2-2.png")));
}

}  // namespace

MacroDialog::MacroDialog(Paths paths, KeyCaptureService& capture, QWidget* parent)
    : QWidget(parent),
      paths_(std::move(paths)),
      library_(paths_),
      captureService_(capture),
      dialogs_(std::make_unique<WidgetMacroPageDialogs>(this)),
      unit_(macro::delayUnit(loadMinDelay(paths_))) {
    setObjectName(QStringLiteral("MacroDialog"));
    buildWidgets();
    fillList();
    retranslate();
    loadCurrent();
    leaveEditMode();
}

MacroDialog::~MacroDialog() = default;

void MacroDialog::setDialogs(std::unique_ptr<MacroPageDialogs> dialogs) {
    dialogs_ = std::move(dialogs);
}

void MacroDialog::setClock(MillisecondClock clock) {
    recorder_ = MacroRecorder(std::move(clock));
}

TarnPushButton* MacroDialog::makeButton(Control control, const char* objectName) {
    auto* b = new TarnPushButton(buttonImages(), this);
    b->setObjectName(QLatin1String(objectName));
    b->setFocusPolicy(Qt::NoFocus);
    buttons_.insert(static_cast<int>(control), b);
    connect(b, &QPushButton::clicked, this, &MacroDialog::onButton);
    return b;
}

TarnPushButton* MacroDialog::button(Control control) const {
    return buttons_.value(static_cast<int>(control));
}

void MacroDialog::buildWidgets() {
    struct Named {
        Control control;
        const char* name;
    };
    static const Named kButtons[] = {
        {Control::Start, "macroStart"},
        {Control::Stop, "macroStop"},
        {Control::RecordAfter, "macroRecordAfter"},
        {Control::Edit, "macroEdit"},
        {Control::Save, "macroSave"},
        {Control::Cancel, "macroCancel"},
        {Control::New, "macroNew"},
        {Control::Delete, "macroDelete"},
        {Control::Rename, "macroRename"},
        {Control::Import, "macroImport"},
        {Control::Export, "macroExport"},
        {Control::GunSet, "macroGunSet"},
        {Control::MouseAction, "macroMouseAction"},
        {Control::InsertDelay, "macroInsertDelay"},
        {Control::MoveUp, "macroMoveUp"},
        {Control::MoveDown, "macroMoveDown"},
        {Control::Top, "macroTop"},
        {Control::Bottom, "macroBottom"},
        {Control::RowDelete, "macroRowDelete"},
        {Control::Copy, "macroCopy"},
        {Control::Cut, "macroCut"},
        {Control::Paste, "macroPaste"},
        {Control::Clear, "macroClear"},
    };
    for (const Named& n : kButtons) makeButton(n.control, n.name);
    button(Control::Stop)->hide();

    listLabel_ = new TarnLabel(this);
    // Keys typed while recording land here, never in a field of the page.
    listLabel_->setFocusPolicy(Qt::ClickFocus);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("macroList"));
    connect(list_, &QListWidget::itemClicked, this, &MacroDialog::itemClicked);
    tree_ = new MacroCommandTree(this);
    tree_->hide();
    connect(tree_, &MacroCommandTree::clickRequested, this, &MacroDialog::onTreeClick);
    connect(tree_, &MacroCommandTree::buttonRequested, this, &MacroDialog::onTreeButton);
    connect(tree_, &MacroCommandTree::moveRequested, this, &MacroDialog::onTreeMove);

    model_ = new MacroEventModel(this);
    delegate_ = new TarnMacroItemDelegate(unit_, this);
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("macroTable"));
    table_->setModel(model_);
    table_->setItemDelegate(delegate_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setHighlightSections(false);
    table_->setShowGrid(false);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &MacroDialog::CurrentChanged);

    nameEdit_ = new TarnLineEdit(this);
    nameEdit_->setObjectName(QStringLiteral("macroName"));
    nameEdit_->setMaxLength(kNameLength);
    defaultDelay_ = new TarnLineEdit(this);
    defaultDelay_->setObjectName(QStringLiteral("macroDefaultDelay"));
    defaultDelay_->setMaxLength(5);
    defaultDelay_->setValidator(new QIntValidator(0, macro::kMaxDelayCount, defaultDelay_));
    connect(defaultDelay_, &QLineEdit::textChanged, this, &MacroDialog::DefDelayChanged);
    loopTime_ = new TarnLineEdit(this);
    loopTime_->setObjectName(QStringLiteral("macroLoopTime"));
    loopTime_->setMaxLength(3);
    loopTime_->setValidator(new QIntValidator(1, 255, loopTime_));
    connect(loopTime_, &QLineEdit::textChanged, this, &MacroDialog::LoopTimeChanged);
    defaultDelay_->setAlignment(Qt::AlignCenter);
    loopTime_->setAlignment(Qt::AlignCenter);
    msLabel_ = new TarnLabel(this);
    msLabel_->setText(QStringLiteral("ms"));
    focusHint_ = new TarnLabel(this);
    focusHint_->setObjectName(QStringLiteral("macroFocusHint"));
    focusHint_->setWordWrap(true);
    focusHint_->hide();

    auto makeBox = [this](const char* name) {
        auto* box = new QCheckBox(this);
        box->setObjectName(QLatin1String(name));
        box->setFocusPolicy(Qt::NoFocus);
        connect(box, &QCheckBox::clicked, this, &MacroDialog::checkbtn_clicked);
        return box;
    };
    delayBoxes_ = {makeBox("macroRecordDelays"), makeBox("macroDefaultDelayBox")};
    loopToggles_ = {makeBox("macroLoopTimes"), makeBox("macroRepeatWhileDown"),
                    makeBox("macroRepeatUntilPressed")};
    batchBox_ = makeBox("macroBatch");

    rowEditor_ = new MacroRowEditor(unit_, this);
    rowEditor_->hide();
    connect(rowEditor_, &MacroRowEditor::rowEdited, this, &MacroDialog::onRowEdited);
}

void MacroDialog::retranslate() {
    struct Caption {
        Control control;
        QString text;
    };
    const Caption captions[] = {
        {Control::Start, tr("START")},
        {Control::Stop, tr("STOP")},
        {Control::RecordAfter, tr("RECORD AFTER")},
        {Control::Edit, tr("EDIT")},
        {Control::Save, tr("SAVE")},
        {Control::Cancel, tr("CANCEL")},
        {Control::New, tr("NEW")},
        {Control::Delete, tr("DELETE")},
        {Control::Rename, tr("CHANGE NAME")},
        {Control::Import, tr("IMPORT")},
        {Control::Export, tr("EXPORT")},
        {Control::GunSet, tr("GUN SET")},
        {Control::MouseAction, tr("MOUSE ACTION")},
        {Control::InsertDelay, tr("INSERT DELAY")},
        {Control::MoveUp, tr("MOVE UP")},
        {Control::MoveDown, tr("MOVE DOWN")},
        {Control::Top, tr("TOP")},
        {Control::Bottom, tr("BOTTOM")},
        {Control::RowDelete, tr("DELETE")},
        {Control::Copy, tr("COPY")},
        {Control::Cut, tr("CUT")},
        {Control::Paste, tr("PASTE")},
        {Control::Clear, tr("CLEAR")},
    };
    for (const Caption& c : captions) button(c.control)->setText(c.text);
    listLabel_->setText(showMouseCommands_ ? tr("MOUSE ACTION") : tr("MACRO NAME"));
    delayBoxes_[0]->setText(tr("RECORD DELAYS BETWEEN ACTION"));
    delayBoxes_[1]->setText(tr("INSERT DEFAULT DELAY"));
    loopToggles_[0]->setText(tr("LOOPS TIME(1-255)"));
    loopToggles_[1]->setText(tr("REPEAT RUN WHEN KEY DOWN"));
    loopToggles_[2]->setText(tr("REPEAT RUN UNTIL THE KEY DOWN"));
    batchBox_->setText(tr("BATCH"));
    focusHint_->setText(tr("ONLY KEYS TYPED INTO THIS WINDOW ARE RECORDED."));
    nameEdit_->setToolTip(tr("Macro name, at most 20 characters"));
    model_->setHeaders({tr("KEY"), tr("ACTION"), tr("DELAY(ms)")});

    applyStyles();
    tree_->retranslate();
    rowEditor_->retranslate();
    table_->viewport()->update();
}

void MacroDialog::applyStyles() {
    const UiContext& ui = UiContext::current();
    styledScale_ = ui.scale;
    const QFont font = ui.font();
    setFont(font);
    list_->setStyleSheet(viewSheet());
    table_->setStyleSheet(viewSheet());
    table_->verticalHeader()->setDefaultSectionSize(ui.scaled(26));
    for (TarnLineEdit* e : {nameEdit_, defaultDelay_, loopTime_}) e->setStyleSheet(fieldSheet());
    const QString boxes = checkBoxSheet();
    for (QCheckBox* b :
         {delayBoxes_[0], delayBoxes_[1], loopToggles_[0], loopToggles_[1], loopToggles_[2], batchBox_}) {
        b->setStyleSheet(boxes);
        b->setFont(font);
    }
}

void MacroDialog::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const UiContext& ui = UiContext::current();
    // The window changes the scale when it moves to a screen of another density.
    if (ui.scale != styledScale_) {
        applyStyles();
        tree_->retranslate();
        rowEditor_->retranslate();
    }
    auto place = [&ui](QWidget* w, int x, int y, int width, int height) {
        w->setGeometry(ui.scaled(x), ui.scaled(y), ui.scaled(width), ui.scaled(height));
    };
    // Left: the library.
    place(listLabel_, 8, 4, 138, 28);
    place(list_, 8, 38, 138, 236);
    place(tree_, 8, 38, 138, 236);
    place(button(Control::MouseAction), 8, 280, 138, 28);
    place(batchBox_, 10, 312, 136, 28);
    place(nameEdit_, 8, 348, 138, 26);
    place(button(Control::New), 8, 380, 58, 28);
    place(button(Control::Delete), 70, 380, 76, 28);
    place(button(Control::Rename), 8, 412, 138, 28);
    // Right: recording, the table and its row operations, the settings.
    place(button(Control::Start), 154, 4, 90, 28);
    place(button(Control::Stop), 154, 4, 90, 28);
    place(button(Control::RecordAfter), 248, 4, 116, 28);
    place(button(Control::Edit), 368, 4, 92, 28);
    place(button(Control::Save), 464, 4, 92, 28);
    place(button(Control::Cancel), 560, 4, 90, 28);
    // Three columns of 160 and room for the scroll bar.
    place(table_, 154, 38, 496, 236);
    for (int c = 0; c < MacroEventModel::ColumnCount; ++c) table_->setColumnWidth(c, ui.scaled(kColumnWidth));
    place(button(Control::InsertDelay), 154, 280, 116, 28);
    place(button(Control::MoveUp), 274, 280, 90, 28);
    place(button(Control::MoveDown), 368, 280, 100, 28);
    place(button(Control::RowDelete), 472, 280, 88, 28);
    place(button(Control::Clear), 564, 280, 86, 28);
    place(button(Control::Top), 154, 312, 76, 28);
    place(button(Control::Bottom), 234, 312, 84, 28);
    place(button(Control::Copy), 322, 312, 76, 28);
    place(button(Control::Cut), 402, 312, 76, 28);
    place(button(Control::Paste), 482, 312, 80, 28);
    place(delayBoxes_[0], 156, 348, 262, 24);
    place(delayBoxes_[1], 156, 376, 182, 24);
    place(defaultDelay_, 340, 376, 52, 24);
    place(msLabel_, 396, 376, 24, 24);
    place(loopToggles_[0], 420, 348, 160, 24);
    place(loopTime_, 584, 348, 52, 24);
    place(loopToggles_[1], 420, 376, 236, 24);
    place(loopToggles_[2], 420, 404, 236, 24);
    place(rowEditor_, 156, 348, 264, 70);
    place(button(Control::Import), 154, 434, 90, 28);
    place(button(Control::Export), 248, 434, 90, 28);
    place(button(Control::GunSet), 342, 434, 110, 28);
    place(focusHint_, 460, 428, 190, 38);
}

void MacroDialog::onButton() {
    const auto* b = qobject_cast<const TarnPushButton*>(sender());
    const Control c = static_cast<Control>(buttons_.key(const_cast<TarnPushButton*>(b), -1));
    switch (c) {
        case Control::Start:
            startRecording(false);
            break;
        case Control::RecordAfter:
            startRecording(true);
            break;
        case Control::Stop:
            stopRecording();
            break;
        case Control::Edit:
            enterEditMode();
            break;
        case Control::Save:
            if (!library_.names().isEmpty()) {
                saveCurrent();
                leaveEditMode();
            }
            break;
        case Control::Cancel:
            loadCurrent();
            leaveEditMode();
            break;
        case Control::New:
            newMacro();
            break;
        case Control::Delete:
            deleteMacro();
            break;
        case Control::Rename:
            renameMacro();
            break;
        case Control::Import:
            importMacros();
            break;
        case Control::Export:
            exportMacros();
            break;
        case Control::GunSet:
            gunSet();
            break;
        case Control::MouseAction:
            toggleMouseCommands();
            break;
        case Control::InsertDelay:
            insertDelay();
            break;
        case Control::MoveUp:
            moveRow(-1);
            break;
        case Control::MoveDown:
            moveRow(1);
            break;
        case Control::Top:
            moveRow(-model_->rowCount());
            break;
        case Control::Bottom:
            moveRow(model_->rowCount());
            break;
        case Control::RowDelete:
            deleteRow();
            break;
        case Control::Copy:
            copyRow(false);
            break;
        case Control::Cut:
            copyRow(true);
            break;
        case Control::Paste:
            pasteRow();
            break;
        case Control::Clear:
            clearRows();
            break;
    }
}

void MacroDialog::checkbtn_clicked() {
    QObject* s = sender();
    if (s == delayBoxes_[0] || s == delayBoxes_[1]) {
        // At most one delay type: checking one unchecks the other.
        const int box = s == delayBoxes_[0] ? 0 : 1;
        const bool on = delayBoxes_[static_cast<size_t>(box)]->isChecked();
        delayBoxes_[static_cast<size_t>(1 - box)]->setChecked(false);
        delayType_ = on ? box + 1 : 0;
    } else if (s == batchBox_) {
        batchMode_ = batchBox_->isChecked();
        if (batchMode_ && showMouseCommands_) toggleMouseCommands();
        fillList();
        updateControls();
    } else {
        // The loop toggles: at most one on.
        for (QCheckBox* t : loopToggles_)
            if (t != s) t->setChecked(false);
    }
}

void MacroDialog::DefDelayChanged(const QString& text) {
    qCDebug(lcMacroPage) << "DefDelayChanged" << text;
}

void MacroDialog::LoopTimeChanged(const QString& text) {
    qCDebug(lcMacroPage) << "LoopTimeChanged" << text;
}

void MacroDialog::setSettingsVisible(bool visible) {
    for (QWidget* w :
         std::initializer_list<QWidget*>{button(Control::Import), button(Control::Export),
                                         button(Control::InsertDelay), button(Control::GunSet), batchBox_,
                                         defaultDelay_, msLabel_, loopTime_, delayBoxes_[0], delayBoxes_[1]})
        w->setVisible(visible);
}

void MacroDialog::updateControls() {
    const bool busy = recording_ || editMode_;
    const bool empty = list_->count() == 0;
    // Controls that edit the macro or the library: off while recording or editing a row, and in
    // batch mode, where only the list, import and export act.
    const bool editing = !busy && !batchMode_;
    for (Control c : {Control::New, Control::Delete, Control::Rename, Control::Edit, Control::MouseAction,
                      Control::MoveUp, Control::MoveDown, Control::Top, Control::Bottom, Control::RowDelete,
                      Control::Copy, Control::Cut, Control::Paste, Control::Clear})
        button(c)->setButtonEnabled(editing);
    for (Control c : {Control::Import, Control::Export, Control::InsertDelay, Control::GunSet})
        button(c)->setButtonEnabled(!busy);
    button(Control::RecordAfter)->setButtonEnabled(editing && !empty);
    button(Control::Start)->setButtonEnabled(!editMode_ && !batchMode_ && !empty);
    button(Control::Stop)->setButtonEnabled(recording_);
    button(Control::Save)->setButtonEnabled(!recording_ && !batchMode_);
    button(Control::Cancel)->setButtonEnabled(!recording_ && !batchMode_);
    for (QCheckBox* t : loopToggles_) t->setEnabled(editing);
    for (QWidget* w : std::initializer_list<QWidget*>{defaultDelay_, loopTime_, nameEdit_})
        w->setEnabled(editing);
    list_->setEnabled(!busy);
    tree_->setEnabled(!busy);
    // Batch mode would switch START and STOP off in the middle of a recording.
    batchBox_->setEnabled(!busy);
}

}  // namespace mousecfg
