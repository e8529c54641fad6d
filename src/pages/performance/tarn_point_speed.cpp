#include "pages/performance/tarn_point_speed.h"

#include <QSignalBlocker>
#include <QSpinBox>

#include "pages/performance/performance_log.h"
#include "widgets/tarn_label.h"
#include "widgets/tarn_slider.h"
#include "widgets/ui_context.h"

namespace mousecfg {

TarnPointSpeed::TarnPointSpeed(MouseProfile* profile, QWidget* parent)
    : QWidget(parent),
      profile_(profile),
      speedTitle_(new TarnLabel(this)),
      slider_(new TarnSlider(Qt::Horizontal, this)),
      speedValue_(new TarnLabel(this)),
      scrollTitle_(new TarnLabel(this)),
      spin_(new QSpinBox(this)) {
    setObjectName(QStringLiteral("TarnPointSpeed"));
    setAttribute(Qt::WA_StyledBackground, true);
    // The page only: without the selector every child label would paint the tint again.
    setStyleSheet(QStringLiteral("#TarnPointSpeed{background-color: rgba(33,35,35,0.5)}"));
    slider_->setRange(kMinimum, kMaximum);
    slider_->setSingleStep(1);
    slider_->setPageStep(1);
    slider_->setTickPosition(QSlider::NoTicks);
    spin_->setRange(kMinimum, kMaximum);
    spin_->setSingleStep(1);
    spin_->setStyleSheet(QStringLiteral(
        "QSpinBox{color:white;background-color:rgb(30,30,30);border:1px solid "
        "rgb(90,90,90);padding-left:4px;}"
        "QSpinBox::up-button,QSpinBox::down-button{width:16px;background:rgb(60,60,60);border:none;}"
        "QSpinBox::up-arrow{width:0;height:0;border-left:4px solid rgb(60,60,60);"
        "border-right:4px solid rgb(60,60,60);border-bottom:5px solid white;}"
        "QSpinBox::down-arrow{width:0;height:0;border-left:4px solid rgb(60,60,60);"
        "border-right:4px solid rgb(60,60,60);border-top:5px solid white;}"));
    speedValue_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(slider_, &QSlider::valueChanged, this, &TarnPointSpeed::onSliderValue);
    connect(spin_, qOverload<int>(&QSpinBox::valueChanged), this, &TarnPointSpeed::sValueChangedSlot);
    retranslate();
    setProfile(profile);
}

void TarnPointSpeed::setProfile(MouseProfile* profile) {
    profile_ = profile;
    applyFonts();
    if (!profile_) return;
    // Showing a profile is not an edit: the controls clamp what they show (a stored 0 shows
    // as 1) but the profile keeps its value until the user changes it.
    const QSignalBlocker bs(slider_), bb(spin_);
    slider_->setValue(profile_->mousespeed & 0xFF);
    spin_->setValue(profile_->scrollspeed);
    speedValue_->setNumber(slider_->value());
}

void TarnPointSpeed::retranslate() {
    speedTitle_->setText(tr("POINTER SPEED"));
    scrollTitle_->setText(tr("SCROLL SPEED"));
    applyFonts();
}

void TarnPointSpeed::onSliderValue(int v) {
    if (sender() != slider_) return;
    qCDebug(lcPerformancePages, "slider_clicked 1 = %d", v);
    speedValue_->setNumber(v);
    if (profile_) profile_->mousespeed = static_cast<uint8_t>(v);
}

void TarnPointSpeed::sValueChangedSlot(int s) {
    qCDebug(lcPerformancePages, "slider_clicked 1 = %d", s);
    if (profile_) profile_->scrollspeed = static_cast<uint8_t>(s);
}

void TarnPointSpeed::applyFonts() {
    const QFont font = UiContext::current().font();
    speedTitle_->setFont(font);
    scrollTitle_->setFont(font);
    spin_->setFont(font);
}

void TarnPointSpeed::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const UiContext& ui = UiContext::current();
    speedTitle_->setGeometry(ui.scaled(20), ui.scaled(10), ui.scaled(200), ui.scaled(20));
    slider_->setGeometry(ui.scaled(20), ui.scaled(100), ui.scaled(170), ui.scaled(20));
    speedValue_->setGeometry(ui.scaled(192), ui.scaled(100), ui.scaled(28), ui.scaled(20));
    scrollTitle_->setGeometry(ui.scaled(20), ui.scaled(160), ui.scaled(200), ui.scaled(20));
    spin_->setGeometry(ui.scaled(20), ui.scaled(190), ui.scaled(80), ui.scaled(28));
}

}  // namespace mousecfg
