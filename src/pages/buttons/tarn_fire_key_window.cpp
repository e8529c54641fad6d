#include "pages/buttons/tarn_fire_key_window.h"

#include <QCheckBox>
#include <QEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QToolButton>

#include "device/key_codes.h"
#include "pages/buttons/range_validator.h"
#include "widgets/tarn_label.h"
#include "widgets/ui_context.h"

namespace mousecfg {

namespace {

QString fieldStyle() {
    return QStringLiteral("QLineEdit{background:rgb(30,30,30);color:white;border:1px solid rgb(90,90,90);}");
}

}  // namespace

TarnFireKeyWindow::TarnFireKeyWindow(KeyCaptureService* keys, QWidget* parent)
    : ButtonDialog(keys, parent),
      keyCaption_(new TarnLabel(this)),
      keyField_(new QLineEdit(this)),
      timesCaption_(new TarnLabel(this)),
      times_(new QLineEdit(this)),
      delayCaption_(new TarnLabel(this)),
      delay_(new QLineEdit(this)),
      delayUnit_(new TarnLabel(this)) {
    setObjectName(QStringLiteral("TarnFireKeyWindow"));
    const UiContext& ui = UiContext::current();
    const auto s = [&ui](int v) { return ui.scaled(v); };
    const int boxX[] = {30, 120, 215, 315};
    const int boxW[] = {85, 90, 95, 140};
    for (size_t i = 0; i < boxes_.size(); ++i) {
        boxes_[i] = new QCheckBox(this);
        boxes_[i]->setStyleSheet(checkBoxStyleSheet());
        boxes_[i]->setFont(ui.font());
        boxes_[i]->setGeometry(s(boxX[i]), s(66), s(boxW[i]), s(26));
        connect(boxes_[i], &QCheckBox::clicked, this, &TarnFireKeyWindow::checkbtn_clicked);
        connect(boxes_[i], &QCheckBox::stateChanged, this, &TarnFireKeyWindow::onStateChanged);
    }
    keyCaption_->setGeometry(s(40), s(112), s(110), s(26));
    keyField_->setGeometry(s(150), s(112), s(200), s(26));
    keyField_->setObjectName(QStringLiteral("fireKeyField"));
    keyField_->setReadOnly(true);
    keyField_->setAlignment(Qt::AlignCenter);
    keyField_->installEventFilter(this);
    timesCaption_->setGeometry(s(40), s(156), s(100), s(26));
    times_->setGeometry(s(150), s(156), s(60), s(26));
    delayCaption_->setGeometry(s(240), s(156), s(100), s(26));
    delay_->setGeometry(s(340), s(156), s(60), s(26));
    delayUnit_->setGeometry(s(406), s(156), s(40), s(26));
    for (QLineEdit* e : {keyField_, times_, delay_}) {
        e->setStyleSheet(fieldStyle());
        e->setFont(ui.font());
    }
    for (QLineEdit* e : {times_, delay_}) {
        e->setValidator(new RangeValidator(buttonfn::kFireMinValue, buttonfn::kFireMaxValue, e));
        e->setMaxLength(3);
        e->setAlignment(Qt::AlignCenter);
        connect(e, &QLineEdit::textChanged, this, &TarnFireKeyWindow::OnEditDataChanged);
        connect(e, &QLineEdit::returnPressed, this, &TarnFireKeyWindow::onEditReturn);
    }
    retranslate();
    preset(buttonfn::FireKey());
}

void TarnFireKeyWindow::preset(const buttonfn::FireKey& key) {
    keyCode_ = key.kind == buttonfn::FireKeyboard ? key.keyCode : 0;
    {
        const QSignalBlocker a(times_), b(delay_);
        times_->setText(QString::number(key.times));
        delay_->setText(QString::number(key.delay));
    }
    setKind(key.kind);
    showKey();
}

buttonfn::FireKey TarnFireKeyWindow::fireKey() const {
    buttonfn::FireKey k;
    k.kind = kind_;
    k.keyCode = kind_ == buttonfn::FireKeyboard ? keyCode_ : 0;
    k.times = times_->text().toInt();
    k.delay = delay_->text().toInt();
    return k;
}

bool TarnFireKeyWindow::complete() const {
    return times_->hasAcceptableInput() && delay_->hasAcceptableInput() &&
           (kind_ != buttonfn::FireKeyboard || keyCode_ != 0);
}

void TarnFireKeyWindow::setKind(int kind) {
    kind_ = kind;
    for (size_t i = 0; i < boxes_.size(); ++i) {
        const QSignalBlocker block(boxes_[i]);
        boxes_[i]->setChecked(static_cast<int>(i) == kind);
    }
    const bool keyboard = kind == buttonfn::FireKeyboard;
    keyField_->setEnabled(keyboard);
    if (keyboard) {
        startCapture();
    } else {
        stopCapture();
        keyCode_ = 0;
    }
    showKey();
}

void TarnFireKeyWindow::checkbtn_clicked() {
    for (size_t i = 0; i < boxes_.size(); ++i) {
        if (sender() != boxes_[i]) continue;
        setKind(static_cast<int>(i));  // the clicked box alone, even when it was already on
        if (kind_ == buttonfn::FireKeyboard) keyField_->setFocus();
    }
    report();
}

void TarnFireKeyWindow::onStateChanged(int) {
    report();
}

void TarnFireKeyWindow::OnEditDataChanged(const QString&) {
    showKey();
    report();
}

void TarnFireKeyWindow::onEditReturn() {
    report();
}

void TarnFireKeyWindow::onKey(const RawKeyEvent& event) {
    if (kind_ != buttonfn::FireKeyboard || times_->hasFocus() || delay_->hasFocus()) return;
    if (dropNext_) {
        dropNext_ = false;
        return;
    }
    const uint8_t code = keycodes::capturedKeyCode(static_cast<uint8_t>(event.scanCode), event.flags);
    const RawKeyEvent pair{code, event.flags};
    if (pair == last_) return;
    last_ = pair;
    if (!buttonfn::isAssignableKey(code)) return;
    keyCode_ = code;
    showKey();
    report();
}

bool TarnFireKeyWindow::eventFilter(QObject* watched, QEvent* event) {
    // The key that moved the focus here is not the key to fire.
    if (watched == keyField_ && event->type() == QEvent::FocusIn) dropNext_ = true;
    return ButtonDialog::eventFilter(watched, event);
}

void TarnFireKeyWindow::showKey() {
    keyField_->setText(kind_ == buttonfn::FireKeyboard ? keycodes::keyName(keyCode_) : QString());
    yesButton()->setEnabled(complete());
}

void TarnFireKeyWindow::report() {
    const buttonfn::FireKey k = fireKey();
    Q_EMIT SetFireKeyValue(k.keyCode, static_cast<uchar>(k.kind), static_cast<uchar>(k.times),
                           static_cast<uchar>(k.delay));
}

void TarnFireKeyWindow::retranslate() {
    titleLabel()->setText(tr("FireKey Setting"));
    const char* kinds[] = {QT_TR_NOOP("Left"), QT_TR_NOOP("Right"), QT_TR_NOOP("Middle"),
                           QT_TR_NOOP("Keyboard Key")};
    for (size_t i = 0; i < boxes_.size(); ++i) boxes_[i]->setText(tr(kinds[i]));
    keyCaption_->setText(tr("Key:"));
    timesCaption_->setText(tr("Times:"));
    delayCaption_->setText(tr("Delay:"));
    delayUnit_->setText(tr("ms"));
}

void TarnFireKeyWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    ButtonDialog::changeEvent(event);
}

}  // namespace mousecfg
