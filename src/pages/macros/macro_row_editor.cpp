#include "pages/macros/macro_row_editor.h"

#include <QIntValidator>

#include "pages/macros/macro_texts.h"
#include "pages/macros/macros_log.h"
#include "widgets/tarn_action.h"
#include "widgets/tarn_label.h"
#include "widgets/tarn_line_edit.h"
#include "widgets/tarn_menu.h"
#include "widgets/tarn_push_button.h"
#include "widgets/ui_context.h"

namespace mousecfg {

namespace {

constexpr int kMinDelayField = 10;
constexpr int kMaxDelayField = 65535;

QString fieldSheet() {
    const QFont f = UiContext::current().font();
    return QStringLiteral(
               "background-color:rgb(30,30,30);color:white;border:1px solid rgb(90,90,90);"
               "font-family:'%1';font-size:%2px;")
        .arg(f.family())
        .arg(f.pixelSize());
}

}  // namespace

MacroRowEditor::MacroRowEditor(int unit, QWidget* parent)
    : QWidget(parent),
      unit_(unit > 0 ? unit : 10),
      kindLabel_(new TarnLabel(this)),
      choice_(new TarnPushButton({QStringLiteral("profilesel.png")}, this)),
      keyName_(new TarnLabel(this)),
      keyHint_(new TarnLabel(this)),
      distanceLabel_(new TarnLabel(this)),
      distance_(new TarnLineEdit(this)),
      delay_(new TarnLineEdit(this)),
      msLabel_(new TarnLabel(this)),
      buttonMenu_(new TarnMenu(this)),
      directionMenu_(new TarnMenu(this)) {
    setObjectName(QStringLiteral("macroRowEditor"));
    choice_->setObjectName(QStringLiteral("macroRowChoice"));
    distance_->setObjectName(QStringLiteral("macroRowDistance"));
    delay_->setObjectName(QStringLiteral("macroRowDelay"));
    distance_->setMaxLength(5);
    distance_->setValidator(new QIntValidator(1, macro::kMaxMoveDistance, distance_));
    delay_->setMaxLength(5);
    delay_->setValidator(new QIntValidator(kMinDelayField, kMaxDelayField, delay_));
    for (TarnLineEdit* e : {distance_, delay_}) e->setAlignment(Qt::AlignCenter);
    msLabel_->setText(QStringLiteral("ms"));
    keyName_->setObjectName(QStringLiteral("macroRowKey"));
    keyName_->setAlignment(Qt::AlignCenter);
    keyName_->setFillColour(QColor(50, 50, 50));
    for (size_t i = 0; i < buttonActions_.size(); ++i) {
        buttonActions_[i] = new TarnAction(QString(), buttonMenu_);
        buttonMenu_->addAction(buttonActions_[i]);
        const std::uint8_t bit = MacroTexts::kTreeButtons[i];
        connect(buttonActions_[i], &QAction::triggered, this, [this, bit] { chooseButton(bit); });
    }
    for (size_t i = 0; i < directionActions_.size(); ++i) {
        directionActions_[i] = new TarnAction(QString(), directionMenu_);
        directionMenu_->addAction(directionActions_[i]);
        const macro::Direction d = MacroTexts::kTreeDirections[i];
        connect(directionActions_[i], &QAction::triggered, this, [this, d] { chooseDirection(d); });
    }
    connect(distance_, &QLineEdit::textEdited, this, &MacroRowEditor::EditMoveChanged);
    connect(delay_, &QLineEdit::textEdited, this, &MacroRowEditor::EditDelayChanged);
    retranslate();
    showRow(MacroEvent{});
}

void MacroRowEditor::retranslate() {
    for (size_t i = 0; i < buttonActions_.size(); ++i)
        buttonActions_[i]->setText(MacroTexts::buttonName(MacroTexts::kTreeButtons[i]));
    for (size_t i = 0; i < directionActions_.size(); ++i)
        directionActions_[i]->setText(MacroTexts::directionName(MacroTexts::kTreeDirections[i]));
    buttonMenu_->applyFont();
    directionMenu_->applyFont();
    distanceLabel_->setText(tr("DISTANCE"));
    keyHint_->setText(tr("TYPE THE NEW KEY"));
    for (TarnLineEdit* e : {distance_, delay_}) e->setStyleSheet(fieldSheet());
    refresh();
}

void MacroRowEditor::showRow(const MacroEvent& row) {
    row_ = row;
    switch (kind()) {
        case macro::RowKind::Key:
            qCDebug(lcMacroPage, "CurrentChanged 1");
            break;
        case macro::RowKind::MouseButton:
            qCDebug(lcMacroPage, "CurrentChanged 2");
            break;
        case macro::RowKind::Move:
            qCDebug(lcMacroPage, "CurrentChanged 3");
            break;
        case macro::RowKind::Delay:
            qCDebug(lcMacroPage, "CurrentChanged 4");
            break;
        case macro::RowKind::Other:
            break;
    }
    refresh();
    if (kind() == macro::RowKind::Delay && isVisible()) delay_->setFocus();
}

void MacroRowEditor::refresh() {
    const macro::RowKind k = kind();
    const bool move = k == macro::RowKind::Move;
    const bool delay = k == macro::RowKind::Delay;
    kindLabel_->setText(move ? tr("MOVEMENT") : delay ? tr("DELAY") : tr("KEY"));
    const bool key = k == macro::RowKind::Key;
    choice_->setVisible(k == macro::RowKind::MouseButton || move);
    keyName_->setVisible(key);
    keyHint_->setVisible(key);
    distanceLabel_->setVisible(move);
    distance_->setVisible(move);
    delay_->setVisible(delay);
    msLabel_->setVisible(delay);
    choice_->setMenu(k == macro::RowKind::MouseButton ? buttonMenu_ : move ? directionMenu_ : nullptr);
    switch (k) {
        case macro::RowKind::Key:
            keyName_->setText(MacroTexts::keyNameOfUsage(row_.dataL));
            break;
        case macro::RowKind::MouseButton:
            choice_->setText(MacroTexts::buttonName(row_.dataL));
            break;
        case macro::RowKind::Move: {
            const macro::Movement m = macro::movementOf(row_);
            choice_->setText(MacroTexts::directionName(m.direction));
            distance_->setText(QString::number(m.distance));
            break;
        }
        case macro::RowKind::Delay:
            delay_->setText(QString::number(macro::delayCount(row_) * unit_));
            break;
        case macro::RowKind::Other:
            break;
    }
}

void MacroRowEditor::edited(const MacroEvent& row) {
    row_ = row;
    Q_EMIT rowEdited(row_);
}

void MacroRowEditor::replaceKey(std::uint8_t usage) {
    if (kind() != macro::RowKind::Key) return;
    edited(macro::keyEvent(usage, macro::isPress(row_)));
    keyName_->setText(MacroTexts::keyNameOfUsage(usage));
}

void MacroRowEditor::chooseButton(std::uint8_t bit) {
    if (kind() != macro::RowKind::MouseButton) return;
    edited(MacroEvent{row_.map, 0, bit});
    choice_->setText(MacroTexts::buttonName(bit));
}

void MacroRowEditor::chooseDirection(macro::Direction direction) {
    if (kind() != macro::RowKind::Move) return;
    edited(macro::moveEvent(direction, distance_->text().toInt()));
    choice_->setText(MacroTexts::directionName(direction));
}

void MacroRowEditor::EditMoveChanged(const QString& text) {
    const int d = text.toInt();
    if (kind() != macro::RowKind::Move || d < 1) return;
    edited(macro::moveEvent(macro::movementOf(row_).direction, d));
}

void MacroRowEditor::EditDelayChanged(const QString& text) {
    if (kind() != macro::RowKind::Delay) return;
    edited(macro::delayEvent(macro::delayCountForMs(text.toInt(), unit_)));
}

void MacroRowEditor::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const UiContext& ui = UiContext::current();
    kindLabel_->setGeometry(0, ui.scaled(4), ui.scaled(90), ui.scaled(26));
    choice_->setGeometry(ui.scaled(94), ui.scaled(4), ui.scaled(152), ui.scaled(26));
    keyName_->setGeometry(ui.scaled(94), ui.scaled(4), ui.scaled(152), ui.scaled(26));
    keyHint_->setGeometry(ui.scaled(94), ui.scaled(36), ui.scaled(170), ui.scaled(26));
    delay_->setGeometry(ui.scaled(94), ui.scaled(4), ui.scaled(80), ui.scaled(26));
    msLabel_->setGeometry(ui.scaled(180), ui.scaled(4), ui.scaled(40), ui.scaled(26));
    distanceLabel_->setGeometry(0, ui.scaled(36), ui.scaled(90), ui.scaled(26));
    distance_->setGeometry(ui.scaled(94), ui.scaled(36), ui.scaled(80), ui.scaled(26));
    buttonMenu_->setFixedWidth(ui.scaled(152));
    directionMenu_->setFixedWidth(ui.scaled(152));
}

}  // namespace mousecfg
