#include "app/window/battery_gauge.h"

#include <QLabel>
#include <QPainter>

#include "app/session/window_session.h"
#include "widgets/tarn_processbar.h"
#include "widgets/ui_context.h"

namespace mousecfg {

namespace {
// The corner in the window's design units; the parts are placed in the same units.
constexpr int kLeft = 69;
constexpr int kTop = 581;
constexpr int kRight = 222;
constexpr int kBottom = 629;
}  // namespace

BatteryGauge::BatteryGauge(const Paths& paths, QWidget* window)
    : QWidget(window),
      cableFrame_(paths.skinFile(QStringLiteral("bat1.png"))),
      wirelessFrame_(paths.skinFile(QStringLiteral("bat2.png"))),
      bar_(new TarnProcessbar(this)),
      charging_(new QLabel(this)),
      receiver_(new QLabel(this)) {
    setObjectName(QStringLiteral("batteryCorner"));
    bar_->setObjectName(QStringLiteral("batteryGauge"));
    bar_->setRange(0, 100);
    bar_->setAlignment(Qt::AlignCenter);
    charging_->setObjectName(QStringLiteral("chargingIcon"));
    charging_->setPixmap(QPixmap(paths.skinFile(QStringLiteral("lightning.png"))));
    charging_->setScaledContents(true);
    charging_->hide();
    receiver_->setObjectName(QStringLiteral("receiverIcon"));
    receiver_->setPixmap(QPixmap(paths.skinFile(QStringLiteral("dongle.png"))));
    receiver_->setScaledContents(true);
    receiver_->hide();
}

void BatteryGauge::place(QWidget* w, int x, int y, int width, int height) {
    // Scaled in window coordinates first, so every part lands on the pixel it had in the window.
    const UiContext& ui = UiContext::current();
    w->setGeometry(ui.scaled(x) - ui.scaled(kLeft), ui.scaled(y) - ui.scaled(kTop), ui.scaled(width),
                   ui.scaled(height));
}

void BatteryGauge::layout() {
    const UiContext& ui = UiContext::current();
    setGeometry(ui.scaled(kLeft), ui.scaled(kTop), ui.scaled(kRight) - ui.scaled(kLeft),
                ui.scaled(kBottom) - ui.scaled(kTop));
    place(bar_, 75, 587, 71, 34);
    place(charging_, 174, 584, 26, 40);
    place(receiver_, 174, 581, 48, 48);
}

void BatteryGauge::setConnection(int state) {
    cable_ = state < WindowSession::ReceiverOnly;
    const bool receiver = state == WindowSession::CableAndReceiver || state == WindowSession::ReceiverOnly;
    receiver_->setVisible(receiver);
    bar_->setVisible(!cable_);
    charging_->hide();
    update();
}

void BatteryGauge::setBattery(const BatteryState& state) {
    const int textPx = UiContext::current().scaled(16);
    mouseOff_ = state.mouseOff;
    if (state.mouseOff) {
        bar_->setText(tr("MOUSE OFF"));
        bar_->setTextVisible(false);
        bar_->setStyleSheet(QStringLiteral("QProgressBar{background-color:rgb(100,100,100);color:white;"
                                           "font-weight:bold;font-size:%1px;border:0px}"
                                           "QProgressBar::chunk{background-color:rgb(100,100,100)}")
                                .arg(textPx));
        charging_->hide();
        return;
    }
    const QColor theme = UiContext::current().theme;
    bar_->setText(QString());
    bar_->setTextVisible(true);
    bar_->setFormat(state.cable ? QString() : QStringLiteral("%p%"));
    bar_->setStyleSheet(QStringLiteral("QProgressBar{background-color:white;color:black;font-weight:bold;"
                                       "font-size:%1px;border:0px;text-align:center}"
                                       "QProgressBar::chunk{background-color:rgb(%2,%3,%4)}")
                            .arg(textPx)
                            .arg(theme.red())
                            .arg(theme.green())
                            .arg(theme.blue()));
    charging_->setVisible(state.charging);
    bar_->setValue(state.cable ? 100 : state.level);
}

void BatteryGauge::retranslate() {
    if (mouseOff_) bar_->setText(tr("MOUSE OFF"));
    bar_->applyFont();
}

void BatteryGauge::paintEvent(QPaintEvent*) {
    const QPixmap& frame = cable_ ? cableFrame_ : wirelessFrame_;
    if (frame.isNull()) return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const UiContext& ui = UiContext::current();
    p.drawPixmap(QRect(0, 0, ui.scaled(86), ui.scaled(47)), frame);
}

}  // namespace mousecfg
