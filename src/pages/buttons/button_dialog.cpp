#include "pages/buttons/button_dialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

#include "widgets/dialog_frame.h"
#include "widgets/tarn_label.h"
#include "widgets/ui_context.h"

namespace mousecfg {

ButtonDialog::ButtonDialog(KeyCaptureService* keys, QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog), keys_(keys) {
    const UiContext& ui = UiContext::current();
    setFixedSize(ui.scaled(478), ui.scaled(309));
    setAttribute(Qt::WA_TranslucentBackground);
    background_ = QPixmap(ui.skinPath(QStringLiteral("dlg.png")));
    setFont(ui.font());
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);

    title_ = addLabel(18, 26);
    title_->setAlignment(Qt::AlignCenter);
    title_->setObjectName(QStringLiteral("msgBoxInfoLabel1"));
    focusHint_ = addLabel(232, 20);
    focusHint_->setAlignment(Qt::AlignCenter);
    focusHint_->setTextColour(QColor(200, 200, 200));
    focusHint_->hide();

    yes_ = dialogframe::makeConfirmButton(this);
    no_ = dialogframe::makeCancelButton(this);
    // Yes waits for a complete setting in some dialogs: show when it does.
    yes_->setStyleSheet(yes_->styleSheet() + QStringLiteral("QToolButton:disabled{color:rgb(110,110,110);}"));
    yes_->setText(tr("OK"));
    no_->setText(tr("Cancel"));
    connect(yes_, &QToolButton::released, this, &QDialog::accept);
    connect(no_, &QToolButton::released, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(yes_);
    buttons->addStretch();
    buttons->addWidget(no_);
    buttons->addStretch();
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, ui.scaled(24));
    column->addStretch();
    column->addLayout(buttons);
}

ButtonDialog::~ButtonDialog() = default;

QString ButtonDialog::checkBoxStyleSheet() {
    const UiContext& ui = UiContext::current();
    return QStringLiteral(
               "QCheckBox{color:white;background:transparent;spacing:%3px;}"
               "QCheckBox::indicator{width:%4px;height:%4px;}"
               "QCheckBox::indicator:unchecked{image:url(%1);}"
               "QCheckBox::indicator:checked{image:url(%2);}")
        .arg(ui.skinPath(QStringLiteral("checkbox2-1.png")), ui.skinPath(QStringLiteral("checkbox2-2.png")))
        .arg(ui.scaled(8))
        .arg(ui.scaled(18));
}

TarnLabel* ButtonDialog::addLabel(int y, int height) {
    const UiContext& ui = UiContext::current();
    auto* label = new TarnLabel(this);
    label->setGeometry(ui.scaled(30), ui.scaled(y), ui.scaled(478 - 60), ui.scaled(height));
    return label;
}

void ButtonDialog::startCapture() {
    if (capture_ || !keys_) return;
    capture_ = keys_->begin(this);
    connect(capture_.get(), &KeyCapture::keyEvent, this, &ButtonDialog::onKey);
    if (!keys_->systemWide()) {
        focusHint_->setText(tr("Keys are captured only while this window has the focus."));
        focusHint_->show();
    }
}

void ButtonDialog::stopCapture() {
    capture_.reset();
    focusHint_->hide();
}

void ButtonDialog::onKey(const RawKeyEvent&) {}

void ButtonDialog::keyPressEvent(QKeyEvent* event) {
    if (capture_) {
        event->accept();  // Esc and Enter are keys to capture here
        return;
    }
    QDialog::keyPressEvent(event);
}

void ButtonDialog::paintEvent(QPaintEvent*) {
    QPainter p(this);
    dialogframe::paint(p, size(), background_, UiContext::current().theme);
}

}  // namespace mousecfg
