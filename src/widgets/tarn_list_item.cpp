#include "widgets/tarn_list_item.h"

#include <QIntValidator>

#include "widgets/tarn_label.h"
#include "widgets/tarn_line_edit.h"
#include "widgets/widgets_log.h"

namespace mousecfg {

namespace {
// Wide enough to type any value above the maximum (it is clamped on Enter), small enough that
// the number always fits an int.
constexpr int kFieldMax = 9999999;
}  // namespace

TarnListItem::TarnListItem(QWidget* parent)
    : QWidget(parent), label_(new TarnLabel(this)), edit_(new TarnLineEdit(this)) {
    label_->setAlignment(Qt::AlignCenter);
    edit_->setValidator(new QIntValidator(0, kFieldMax, edit_));
    edit_->setAlignment(Qt::AlignCenter);
    edit_->setStyleSheet(
        QStringLiteral("background-color:rgb(30,30,30);color:white;border:1px solid rgb(90,90,90);"));
    edit_->hide();
    connect(edit_, &QLineEdit::returnPressed, this, &TarnListItem::editPressSlot);
    connect(edit_, &TarnLineEdit::tarnLostFocus, this, &TarnListItem::lostFocusSlot);
}

void TarnListItem::setKindAndValue(uint8_t kind, uint8_t high, uint8_t low) {
    kind_ = kind;
    high_ = high;
    low_ = low;
    showValue();
}

void TarnListItem::setText(const QString& text) {
    label_->setText(text);
}

void TarnListItem::showValue() {
    if (kind_ == kDelayKind) label_->setText(QString::asprintf("%d", delayMs()) + QStringLiteral(" ms"));
}

bool TarnListItem::isEditing() const {
    return !edit_->isHidden();
}

void TarnListItem::enterEditMode() {
    if (kind_ != kDelayKind) return;
    edit_->setText(QString::number(delayMs()));
    label_->hide();
    edit_->show();
    edit_->setFocus();
    edit_->setCursorPosition(edit_->text().size());
}

void TarnListItem::leaveEditMode() {
    edit_->setText(QString::number(delayMs()));
    edit_->hide();
    label_->show();
}

void TarnListItem::editPressSlot() {
    if (kind_ == kDelayKind) {
        const int n = edit_->text().toInt();
        int steps = n / kStepMs;
        if (n < kStepMs) steps = 1;
        if (n > kMaxSteps * kStepMs - 1) steps = kMaxSteps;
        high_ = static_cast<uint8_t>(steps / 256);
        low_ = static_cast<uint8_t>(steps % 256);
        showValue();
    }
    leaveEditMode();
}

void TarnListItem::lostFocusSlot() {
    if (!isVisible()) return;
    qCDebug(lcWidgets, "lostFocusSlot\n");
    leaveEditMode();
    if (parentWidget()) parentWidget()->setFocus();
}

void TarnListItem::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    label_->setGeometry(rect());
    edit_->setGeometry(rect().adjusted(2, 2, -2, -2));
}

void TarnListItem::mouseDoubleClickEvent(QMouseEvent* event) {
    QWidget::mouseDoubleClickEvent(event);
    enterEditMode();
}

}  // namespace mousecfg
