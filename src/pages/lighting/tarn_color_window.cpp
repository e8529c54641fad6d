#include "pages/lighting/tarn_color_window.h"

#include <QCheckBox>
#include <QSignalBlocker>
#include <algorithm>

#include "pages/lighting/color_areas.h"
#include "pages/lighting/lighting_log.h"
#include "pages/lighting/tarn_color_area.h"
#include "widgets/tarn_action.h"
#include "widgets/tarn_label.h"
#include "widgets/tarn_menu.h"
#include "widgets/tarn_push_button.h"
#include "widgets/tarn_slider.h"
#include "widgets/ui_context.h"

namespace mousecfg {

namespace {

// Design places (unscaled). The brightness and speed rows are a caption and, 19 pixels below
// it, a slider; the colour row follows the slider rows an effect shows.
constexpr int kLeft = 30;
constexpr int kCaptionWidth = 201;
constexpr int kCaptionHeight = 18;
constexpr int kSliderWidth = 228;
constexpr int kSliderHeight = 25;
constexpr int kFirstRowTop = 78;
constexpr int kSecondRowTop = 137;
constexpr int kRowPitch = kSecondRowTop - kFirstRowTop;
constexpr int kControlOffset = 19;
constexpr int kSleepTop = 300;

// A stored level as a slider position (the slider clamps it into its range).
int sliderPosition(uint32_t level) {
    return static_cast<int>(std::min<uint32_t>(level, 1000));
}

}  // namespace

TarnColorWindow::TarnColorWindow(QWidget* parent)
    : QWidget(parent),
      effectCaption_(new TarnLabel(this)),
      brightCaption_(new TarnLabel(this)),
      speedCaption_(new TarnLabel(this)),
      colourCaption_(new TarnLabel(this)),
      brightSlider_(new TarnSlider(Qt::Horizontal, this)),
      speedSlider_(new TarnSlider(Qt::Horizontal, this)),
      swatch_(new DefaultColorArea(Qt::black, this)),
      effectButton_(new TarnPushButton({QStringLiteral("profilesel.png")}, this)),
      sleepCaption_(new TarnLabel(this)),
      minutes_(new TarnLabel(this)),
      sleepSlider_(new TarnSlider(Qt::Horizontal, this)),
      moveOption_(new QCheckBox(this)),
      menu_(new TarnMenu(this)) {
    setObjectName(QStringLiteral("TarnColorWindow"));
    effectCaption_->setObjectName(QStringLiteral("effectCaption"));
    brightCaption_->setObjectName(QStringLiteral("brightCaption"));
    speedCaption_->setObjectName(QStringLiteral("speedCaption"));
    colourCaption_->setObjectName(QStringLiteral("colourCaption"));
    brightSlider_->setObjectName(QStringLiteral("brightSlider"));
    speedSlider_->setObjectName(QStringLiteral("speedSlider"));
    swatch_->setObjectName(QStringLiteral("colourSwatch"));
    effectButton_->setObjectName(QStringLiteral("effectButton"));
    sleepCaption_->setObjectName(QStringLiteral("sleepCaption"));
    minutes_->setObjectName(QStringLiteral("sleepMinutes"));
    sleepSlider_->setObjectName(QStringLiteral("sleepSlider"));
    moveOption_->setObjectName(QStringLiteral("moveOption"));
    menu_->setObjectName(QStringLiteral("effectMenu"));

    const auto setUp = [](TarnSlider* s, int min, int max) {
        s->setRange(min, max);
        s->setSingleStep(1);
        s->setPageStep(1);
        s->setTickPosition(QSlider::NoTicks);
    };
    setUp(brightSlider_, lighting::kBrightMin, lighting::kBrightMax);
    setUp(speedSlider_, lighting::kSpeedMin, lighting::kSpeedMax);
    setUp(sleepSlider_, product_.sleep.min, product_.sleep.max);
    brightSlider_->setBubbleEnabled(true);
    speedSlider_->setBubbleEnabled(true);
    minutes_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    moveOption_->setChecked(true);

    for (int i = 0; i < kLedModes; ++i) {
        auto* action = new TarnAction(QLatin1String(lighting::effectName(i)), menu_);
        action->setObjectName(QStringLiteral("effect%1").arg(i));
        actions_[static_cast<size_t>(i)] = action;
        connect(action, &QAction::triggered, this, &TarnColorWindow::onEffectChosen);
    }
    for (int mode : lighting::kMenuOrder) menu_->addAction(actions_[static_cast<size_t>(mode)]);
    effectButton_->setMenu(menu_);

    for (TarnSlider* s : {brightSlider_, speedSlider_, sleepSlider_})
        connect(s, &QSlider::valueChanged, this, &TarnColorWindow::onSliderValue);
    connect(swatch_, &DefaultColorArea::ClickedSignal, this, &TarnColorWindow::color_clicked);
    connect(moveOption_, &QCheckBox::clicked, this, &TarnColorWindow::checkbtn_clicked);

    applyTheme();
    retranslate();
    refresh();
}

void TarnColorWindow::setProduct(const lighting::LightingProduct& product) {
    product_ = product;
    {
        const QSignalBlocker block(sleepSlider_);
        sleepSlider_->setRange(product_.sleep.min, product_.sleep.max);
    }
    layoutRows();
    refresh();
}

void TarnColorWindow::setProfile(MouseProfile* profile, int index) {
    profile_ = profile;
    profileIndex_ = index;
    refresh();
}

void TarnColorWindow::refresh() {
    setEnabled(profile_ != nullptr);
    showEffect(profile_ ? profile_->LedMode : -1);
    showSleep(profile_ ? profile_->LedSleepTime : product_.sleep.min);
    moveOption_->setChecked(!profile_ || profile_->LedMoveOFF == 0);
}

LedModeSetting* TarnColorWindow::activeEffect() {
    if (!profile_ || !lighting::isEffect(profile_->LedMode)) return nullptr;
    return &profile_->ledModes[profile_->LedMode];
}

void TarnColorWindow::showEffect(int ledMode) {
    layoutRows();
    const char* name = lighting::effectName(ledMode);
    effectButton_->setText(name ? tr(name) : QString());
    LedModeSetting* effect = activeEffect();
    if (!effect) return;
    const lighting::EffectRows rows = lighting::effectRows(ledMode);
    const QSignalBlocker b1(brightSlider_), b2(speedSlider_);
    brightSlider_->setValue(sliderPosition(effect->bright));
    speedSlider_->setValue(sliderPosition(effect->breath));
    // A stored level outside the range is shown, and so stored, at the nearest end.
    if (rows.brightness) effect->bright = static_cast<uint32_t>(brightSlider_->value());
    if (rows.speed) effect->breath = static_cast<uint32_t>(speedSlider_->value());
    swatch_->setColor(lighting::opaqueColour(effect->RGB));
}

void TarnColorWindow::showSleep(int minutes) {
    {
        const QSignalBlocker block(sleepSlider_);
        sleepSlider_->setValue(product_.sleep.clamp(minutes));
    }
    minutes_->setText(tr("%1 MINUTE").arg(sleepSlider_->value()));
    if (profile_ && product_.showSleep) profile_->LedSleepTime = static_cast<uint8_t>(sleepSlider_->value());
}

void TarnColorWindow::onEffectChosen() {
    if (!profile_) return;
    for (int i = 0; i < kLedModes; ++i) {
        if (sender() != actions_[static_cast<size_t>(i)]) continue;
        profile_->LedMode = static_cast<uint8_t>(i);
        showEffect(i);
        const QColor c = profile_->ledModes[static_cast<size_t>(i)].RGB;
        qCDebug(lcLighting, "EffectMenuFunction iProfile=%d i=%d r=%d g=%d b=%d", profileIndex_, i, c.red(),
                c.green(), c.blue());
    }
}

void TarnColorWindow::onSliderValue(int value) {
    if (!profile_) return;
    if (sender() == sleepSlider_) {
        profile_->LedSleepTime = static_cast<uint8_t>(value);
        minutes_->setText(tr("%1 MINUTE").arg(value));
        return;
    }
    LedModeSetting* effect = activeEffect();
    if (!effect) return;
    if (sender() == brightSlider_) effect->bright = static_cast<uint32_t>(value);
    if (sender() == speedSlider_) effect->breath = static_cast<uint32_t>(value);
}

void TarnColorWindow::color_clicked() {
    LedModeSetting* effect = activeEffect();
    if (sender() != swatch_ || !effect) return;
    TarnColorArea editor(this);
    editor.setColor(effect->RGB);
    if (editor.exec() == QDialog::Accepted) slotSendLedState(editor.color());
}

void TarnColorWindow::slotSendLedState(const QColor& color) {
    LedModeSetting* effect = activeEffect();
    if (!effect) return;
    effect->RGB = lighting::opaqueColour(color);
    swatch_->setColor(effect->RGB);
    qCDebug(lcLighting, "slotSendLedState iProfile=%d i=%d r=%d g=%d b=%d", profileIndex_, profile_->LedMode,
            color.red(), color.green(), color.blue());
}

void TarnColorWindow::checkbtn_clicked() {
    if (sender() != moveOption_ || !profile_) return;
    profile_->LedMoveOFF = moveOption_->isChecked() ? 0 : 255;
}

void TarnColorWindow::retranslate() {
    effectCaption_->setText(tr("EFFECT"));
    brightCaption_->setText(tr("BRIGHTNESS"));
    speedCaption_->setText(tr("SPEED"));
    colourCaption_->setText(tr("COLOR"));
    sleepCaption_->setText(tr("SLEEP TIME"));
    moveOption_->setText(tr("MOVE TO LIGHT OFF"));
    for (int i = 0; i < kLedModes; ++i)
        actions_[static_cast<size_t>(i)]->setText(tr(lighting::effectName(i)));
    menu_->applyFont();
    moveOption_->setFont(UiContext::current().font());
    const char* name = profile_ ? lighting::effectName(profile_->LedMode) : nullptr;
    effectButton_->setText(name ? tr(name) : QString());
    minutes_->setText(tr("%1 MINUTE").arg(sleepSlider_->value()));
}

void TarnColorWindow::applyTheme() {
    const UiContext& ui = UiContext::current();
    for (TarnSlider* s : {brightSlider_, speedSlider_, sleepSlider_}) s->applyTheme();
    moveOption_->setStyleSheet(QStringLiteral("QCheckBox{color:white;background:transparent;spacing:6px;}"
                                              "QCheckBox::indicator{width:%3px;height:%3px;}"
                                              "QCheckBox::indicator:unchecked{image:url(%1);}"
                                              "QCheckBox::indicator:checked{image:url(%2);}")
                                   .arg(ui.skinPath(QStringLiteral("checkbox2-1.png")),
                                        ui.skinPath(QStringLiteral("checkbox2-2.png")))
                                   .arg(ui.scaled(16)));
    moveOption_->setFont(ui.font());
    layoutRows();
}

void TarnColorWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutRows();
}

void TarnColorWindow::layoutRows() {
    const UiContext& ui = UiContext::current();
    const auto place = [&ui](QWidget* w, int x, int y, int width, int height, bool shown) {
        w->setGeometry(shown ? QRect(ui.scaled(x), ui.scaled(y), ui.scaled(width), ui.scaled(height))
                             : QRect());
        w->setVisible(shown);
    };
    const lighting::EffectRows rows = lighting::effectRows(profile_ ? profile_->LedMode : -1);
    const int brightTop = rows.speedOnTop() ? kSecondRowTop : kFirstRowTop;
    const int speedTop = rows.speedOnTop() ? kFirstRowTop : kSecondRowTop;
    const int colourTop = kFirstRowTop + kRowPitch * (int{rows.brightness} + int{rows.speed});

    place(effectCaption_, kLeft, 18, kCaptionWidth, kCaptionHeight, true);
    place(effectButton_, kLeft, 37, kSliderWidth, 28, true);
    menu_->setFixedWidth(ui.scaled(kSliderWidth));
    place(brightCaption_, kLeft, brightTop, kCaptionWidth, kCaptionHeight, rows.brightness);
    place(brightSlider_, kLeft, brightTop + kControlOffset, kSliderWidth, kSliderHeight, rows.brightness);
    place(speedCaption_, kLeft, speedTop, kCaptionWidth, kCaptionHeight, rows.speed);
    place(speedSlider_, kLeft, speedTop + kControlOffset, kSliderWidth, kSliderHeight, rows.speed);
    place(colourCaption_, kLeft, colourTop, kCaptionWidth, kCaptionHeight, rows.colour);
    place(swatch_, kLeft, colourTop + kControlOffset, 60, kSliderHeight, rows.colour);

    const bool sleep = product_.showSleep;
    place(sleepCaption_, kLeft, kSleepTop, 150, kCaptionHeight, sleep);
    place(minutes_, kLeft + 130, kSleepTop, kSliderWidth - 130, kCaptionHeight, sleep);
    place(sleepSlider_, kLeft, kSleepTop + kControlOffset, kSliderWidth, kSliderHeight, sleep);
    place(moveOption_, kLeft, kSleepTop + 60, 300, 22, sleep);
}

}  // namespace mousecfg
