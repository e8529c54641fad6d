#include "pages/performance/tarn_dpi_window.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QSignalBlocker>

#include "pages/performance/performance_log.h"
#include "pages/performance/tarn_single_dpi.h"
#include "widgets/indicator_style.h"
#include "widgets/tarn_label.h"
#include "widgets/ui_context.h"

namespace mousecfg {

TarnDPIWindow::TarnDPIWindow(QWidget* parent)
    : QWidget(parent), group_(new QButtonGroup(this)), title_(new TarnLabel(this)) {
    setObjectName(QStringLiteral("TarnDPIWindow"));
    group_->setExclusive(true);
    for (int i = 0; i < kDpiStageSlots; ++i) {
        auto* row = new TarnSingleDPI(static_cast<quint8>(i), this);
        rows_[static_cast<size_t>(i)] = row;
        connect(row, &TarnSingleDPI::DPISignal, this, &TarnDPIWindow::onSliderChanged);
        connect(row, &TarnSingleDPI::LinkSignal, this, &TarnDPIWindow::onLinkChanged);
        connect(row, &TarnSingleDPI::MouseinSignal, this, &TarnDPIWindow::MouseinSignal);
        connect(row, &TarnSingleDPI::EnableSignal, this, &TarnDPIWindow::onEnableChanged);
    }
    // The radios come after the rows so they sit on top of them.
    for (int i = 0; i < kDpiStageSlots; ++i) {
        auto* radio = new QRadioButton(this);
        radio->setObjectName(QStringLiteral("dpiRadio%1").arg(i));
        radios_[static_cast<size_t>(i)] = radio;
        group_->addButton(radio, i);
    }
    connect(group_, qOverload<QAbstractButton*>(&QButtonGroup::buttonClicked), this,
            &TarnDPIWindow::onRadioChanged);
    applyTheme();
    retranslate();
    highlight(0);
}

void TarnDPIWindow::setProduct(const QString& productName, bool extendedRange, int stageCount) {
    product_ = productName;
    extendedRange_ = extendedRange;
    visibleRows_ = (stageCount >= 1 && stageCount <= kDpiStageSlots) ? stageCount : kDpiStageSlots;
    setSensor(sensor_);
    layoutRows();
}

void TarnDPIWindow::setProfile(const MouseProfile& profile, int sensor) {
    setSensor(sensor);
    m_ProfileData = profile;
    for (int i = 0; i < kDpiStageSlots; ++i) {
        const DpiStage& s = m_ProfileData.dpiStages[static_cast<size_t>(i)];
        TarnSingleDPI* r = rows_[static_cast<size_t>(i)];
        r->setLink(s.link);
        r->setUsed(s.used);
        r->setValues(static_cast<int>(s.x), static_cast<int>(s.y));
    }
    highlight(m_ProfileData.dpi);
}

void TarnDPIWindow::setSensor(int sensor) {
    sensor_ = sensor;
    for (TarnSingleDPI* r : rows_) r->setSensor(sensor, product_, extendedRange_);
}

void TarnDPIWindow::setActiveStage(int stage) {
    if (stage < 0 || stage >= kDpiStageSlots) return;
    m_ProfileData.dpi = static_cast<uint8_t>(stage);
    highlight(stage);
}

void TarnDPIWindow::retranslate() {
    title_->setText(tr("DPI"));
    for (TarnSingleDPI* r : rows_) r->retranslate();
}

void TarnDPIWindow::applyTheme() {
    const QString sheet =
        indicatorStyleSheet("QRadioButton", QStringLiteral("background:transparent;"),
                            QStringLiteral("DPI-OFF.png"), QStringLiteral("DPI-ON.png"), 16);
    for (QRadioButton* r : radios_) r->setStyleSheet(sheet);
    for (TarnSingleDPI* r : rows_) r->applyTheme();
    highlight(m_ProfileData.dpi);
    layoutRows();
}

void TarnDPIWindow::onRadioChanged() {
    const int id = group_->checkedId();
    if (id < 0) return;
    m_ProfileData.dpi = static_cast<uint8_t>(id);
    qCDebug(lcPerformancePages, "m_ProfileData.dpi = %d", id);
    highlight(id);
}

void TarnDPIWindow::onStateChanged(int) {}

void TarnDPIWindow::onLinkChanged(quint8 link, quint8 stage) {
    if (stage >= kDpiStageSlots) return;
    m_ProfileData.dpiStages[stage].link = link;
}

void TarnDPIWindow::onEnableChanged(quint8 used, quint8 stage) {
    if (stage >= kDpiStageSlots) return;
    m_ProfileData.dpiStages[stage].used = used;
}

void TarnDPIWindow::onSliderChanged(int x, int y, quint8 stage) {
    if (stage >= kDpiStageSlots) return;
    DpiStage& s = m_ProfileData.dpiStages[stage];
    s.x = static_cast<uint32_t>(x);
    s.y = static_cast<uint32_t>(y);
}

void TarnDPIWindow::MouseinSignal(quint8 stage) {
    setActiveStage(stage);
}

void TarnDPIWindow::slotLabelClick(TarnLabel*) {}

void TarnDPIWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutRows();
}

void TarnDPIWindow::highlight(int stage) {
    // The theme colour, partly transparent, so the row's own theme-coloured slider stays readable.
    QColor active = UiContext::current().theme;
    active.setAlpha(kHighlightAlpha);
    for (int i = 0; i < kDpiStageSlots; ++i) {
        TarnSingleDPI* r = rows_[static_cast<size_t>(i)];
        QPalette pal = palette();
        pal.setColor(QPalette::Window, i == stage ? active : QColor(40, 40, 40, 0));
        r->setPalette(pal);
    }
    if (stage >= 0 && stage < kDpiStageSlots) {
        const QSignalBlocker block(group_);
        radios_[static_cast<size_t>(stage)]->setChecked(true);
    }
}

void TarnDPIWindow::layoutRows() {
    const UiContext& ui = UiContext::current();
    for (int i = 0; i < kDpiStageSlots; ++i) {
        TarnSingleDPI* r = rows_[static_cast<size_t>(i)];
        QRadioButton* radio = radios_[static_cast<size_t>(i)];
        if (i < visibleRows_) {
            const int top = 43 + 50 * i;
            r->setGeometry(ui.scaled(15), ui.scaled(top), ui.scaled(440), ui.scaled(48));
            radio->setGeometry(ui.scaled(17), ui.scaled(top + 26), ui.scaled(18), ui.scaled(18));
            r->show();
            radio->show();
        } else {
            r->setGeometry(QRect());
            radio->setGeometry(QRect());
            r->hide();
            radio->hide();
        }
    }
    title_->setGeometry(ui.scaled(3), ui.scaled(3), ui.scaled(80), ui.scaled(17));
}

}  // namespace mousecfg
