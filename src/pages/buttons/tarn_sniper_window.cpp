#include "pages/buttons/tarn_sniper_window.h"

#include <QEvent>
#include <QSignalBlocker>

#include "device/button_functions.h"
#include "device/dpi_scale.h"
#include "widgets/tarn_label.h"
#include "widgets/tarn_slider.h"
#include "widgets/ui_context.h"

namespace mousecfg {

TarnSniperWindow::TarnSniperWindow(int sensor, QWidget* parent)
    : ButtonDialog(nullptr, parent),
      sensor_(sensor),
      prompt_(addLabel(80)),
      slider_(new TarnSlider(Qt::Horizontal, this)),
      dpiLabel_(addLabel(150, 30)) {
    setObjectName(QStringLiteral("TarnSniperWindow"));
    const UiContext& ui = UiContext::current();
    prompt_->setAlignment(Qt::AlignCenter);
    slider_->setGeometry(ui.scaled(60), ui.scaled(118), ui.scaled(478 - 120), ui.scaled(24));
    const buttonfn::SniperRange range = buttonfn::sniperRange(sensor_);
    slider_->setRange(range.min, range.max);
    slider_->setSingleStep(1);
    slider_->setPageStep(1);
    slider_->setBubbleEnabled(true);
    dpiLabel_->setObjectName(QStringLiteral("sniperDpiLabel"));
    dpiLabel_->setAlignment(Qt::AlignCenter);
    connect(slider_, &QSlider::valueChanged, this, &TarnSniperWindow::onSliderMoved);
    retranslate();
    preset(0);
}

void TarnSniperWindow::preset(int level) {
    level_ = buttonfn::sniperStartLevel(sensor_, level);
    {
        const QSignalBlocker block(slider_);
        slider_->setValue(level_);
    }
    dpiLabel_->setText(QString::asprintf("%d", dpiscale::dpiOfLevel(level_, sensor_)));
    Q_EMIT SetSniperValue(static_cast<uchar>(level_));
}

void TarnSniperWindow::onSliderMoved(int value) {
    level_ = value;
    dpiLabel_->setText(QString::asprintf("%d", dpiscale::dpiOfLevel(level_, sensor_)));
    Q_EMIT SetSniperValue(static_cast<uchar>(level_));
}

void TarnSniperWindow::retranslate() {
    titleLabel()->setText(tr("Sniper Setting"));
    prompt_->setText(tr("DPI while the button is held:"));
}

void TarnSniperWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    ButtonDialog::changeEvent(event);
}

}  // namespace mousecfg
