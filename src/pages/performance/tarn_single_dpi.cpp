#include "pages/performance/tarn_single_dpi.h"

#include <QCheckBox>
#include <QMouseEvent>
#include <QSignalBlocker>

#include "device/dpi_ranges.h"
#include "device/dpi_scale.h"
#include "pages/performance/performance_log.h"
#include "pages/performance/tarn_two_bar_slider.h"
#include "widgets/indicator_style.h"
#include "widgets/tarn_label.h"
#include "widgets/ui_context.h"

namespace mousecfg {

namespace {

QString checkBoxSheet() {
    return indicatorStyleSheet("QCheckBox", QStringLiteral("color:white;background:transparent;spacing:4px;"),
                               QStringLiteral("checkbox2-1.png"), QStringLiteral("checkbox2-2.png"), 14);
}

}  // namespace

TarnSingleDPI::TarnSingleDPI(quint8 stage, QWidget* parent)
    : QWidget(parent),
      stage_(stage),
      enableBox_(new QCheckBox(this)),
      linkBox_(new QCheckBox(this)),
      sliders_(new TarnTwoBarSlider(this)),
      dpiLabel_(new TarnLabel(this)),
      xLabel_(new TarnLabel(this)),
      yLabel_(new TarnLabel(this)),
      lowLabel_(new TarnLabel(this)),
      highLabel_(new TarnLabel(this)) {
    setObjectName(QStringLiteral("dpiStage%1").arg(stage));
    setAutoFillBackground(true);
    lowLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    highLabel_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    linkBox_->setVisible(false);
    connect(enableBox_, &QCheckBox::stateChanged, this, &TarnSingleDPI::onStateChanged);
    connect(linkBox_, &QCheckBox::stateChanged, this, &TarnSingleDPI::onStateChanged);
    connect(sliders_, &TarnTwoBarSlider::SliderChangedSignal, this, &TarnSingleDPI::onSliderChanged);
    for (TarnLabel* l : {dpiLabel_, xLabel_, yLabel_, lowLabel_, highLabel_})
        connect(l, &TarnLabel::EnterSignal, this, &TarnSingleDPI::slotLabelClick);
    applyTheme();
    retranslate();
    refreshLabels();
}

void TarnSingleDPI::setSensor(int sensor, const QString& product, bool extendedRange) {
    sensor_ = sensor;
    const std::optional<DpiRange> range = dpiRangeForSensor(sensor, product, extendedRange);
    if (range) {
        sliders_->setRange(range->minCode, range->maxCode);
        lowLabel_->setNumber(range->lowestDpi);
        highLabel_->setNumber(range->highestDpi);
        // The sliders show the clamped value; the row's copy stays what the profile holds until
        // the user moves a slider.
        sliders_->setValues(x_, y_);
    }
    linkBox_->setVisible(sensorOffersLink(sensor));
    refreshLabels();
}

void TarnSingleDPI::setValues(int x, int y) {
    x_ = x;
    y_ = y;
    sliders_->setValues(x, y);
    refreshLabels();
}

void TarnSingleDPI::setLink(quint8 link) {
    link_ = link;
    sliders_->setLinked(link == 1);
    sliders_->setValues(x_, y_);
    const QSignalBlocker block(linkBox_);
    linkBox_->setChecked(link == 1);
}

void TarnSingleDPI::setUsed(quint8 used) {
    used_ = used;
    const QSignalBlocker block(enableBox_);
    enableBox_->setChecked(used == 1);
}

void TarnSingleDPI::retranslate() {
    linkBox_->setText(tr("Link XY"));
    refreshLabels();
}

void TarnSingleDPI::applyTheme() {
    const QString sheet = checkBoxSheet();
    enableBox_->setStyleSheet(sheet);
    linkBox_->setStyleSheet(sheet);
    const QFont font = UiContext::current().font();
    linkBox_->setFont(font);
    sliders_->applyTheme();
}

void TarnSingleDPI::onStateChanged(int state) {
    const quint8 value = state == Qt::Checked ? 1 : 0;
    if (sender() == linkBox_) {
        link_ = value;
        sliders_->setLinked(value == 1);
        Q_EMIT LinkSignal(link_, stage_);
    } else if (sender() == enableBox_) {
        used_ = value;
        Q_EMIT EnableSignal(used_, stage_);
    }
}

void TarnSingleDPI::onSliderChanged(int x, int y) {
    x_ = x;
    y_ = y;
    qCDebug(lcPerformancePages, "ix = %d", x);
    refreshLabels();
    Q_EMIT DPISignal(x, y, stage_);
}

void TarnSingleDPI::slotLabelClick(TarnLabel*) {
    Q_EMIT MouseinSignal(stage_);
}

void TarnSingleDPI::mousePressEvent(QMouseEvent* event) {
    // A press on a label reaches here after the label's own signal did the work.
    if (!qobject_cast<TarnLabel*>(childAt(event->pos()))) Q_EMIT MouseinSignal(stage_);
    event->accept();
}

void TarnSingleDPI::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutChildren();
}

void TarnSingleDPI::refreshLabels() {
    xLabel_->setText(QString::asprintf("X:%d", dpiscale::dpiOfLevel(x_, sensor_)));
    yLabel_->setText(QString::asprintf("Y:%d", dpiscale::dpiOfLevel(y_, sensor_)));
    dpiLabel_->setText(QString::asprintf("DPI : %d", dpiscale::dpiOfLevel(y_, sensor_)));
}

void TarnSingleDPI::layoutChildren() {
    // Design geometry of a 440 x 48 row; the row itself is laid out already scaled, so the
    // factor is taken from its height.
    const double f = height() / 48.0;
    auto g = [f](QWidget* w, int x, int y, int width, int h) {
        w->setGeometry(int(x * f), int(y * f), int(width * f), int(h * f));
    };
    g(enableBox_, 6, 2, 18, 18);
    g(dpiLabel_, 28, 1, 120, 20);
    g(xLabel_, 160, 1, 80, 20);
    g(yLabel_, 245, 1, 80, 20);
    g(linkBox_, 340, 1, 96, 20);
    g(lowLabel_, 24, 24, 46, 20);
    g(sliders_, 76, 20, 300, 28);
    g(highLabel_, 382, 24, 56, 20);
}

}  // namespace mousecfg
