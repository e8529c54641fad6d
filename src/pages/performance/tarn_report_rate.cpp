#include "pages/performance/tarn_report_rate.h"

#include <QButtonGroup>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>

#include "device/performance_rules.h"
#include "device/report_rate.h"
#include "pages/performance/performance_log.h"
#include "widgets/indicator_style.h"
#include "widgets/tarn_action.h"
#include "widgets/tarn_label.h"
#include "widgets/tarn_menu.h"
#include "widgets/tarn_push_button.h"
#include "widgets/ui_context.h"

namespace mousecfg {

QString TarnReportRate::rateText(int code) {
    return reportRateText(code);
}

TarnReportRate::TarnReportRate(QWidget* parent)
    : QWidget(parent),
      title_(new TarnLabel(this)),
      rateButton_(new TarnPushButton({QStringLiteral("profilesel.png")}, this)),
      menu_(new TarnMenu(this)),
      liftTitle_(new TarnLabel(this)),
      group_(new QButtonGroup(this)),
      picture_(new QLabel(this)) {
    setObjectName(QStringLiteral("TarnReportRate"));
    for (size_t i = 0; i < actions_.size(); ++i) {
        actions_[i] = new TarnAction(rateText(kRateCodes[i]), menu_);
        menu_->addAction(actions_[i]);
        connect(actions_[i], &QAction::triggered, this, &TarnReportRate::onRateChosen);
    }
    rateButton_->setMenu(menu_);
    for (size_t i = 0; i < radios_.size(); ++i) {
        radios_[i] = new QRadioButton(this);
        radios_[i]->setObjectName(QStringLiteral("liftRadio%1").arg(i));
        group_->addButton(radios_[i], static_cast<int>(i));
        connect(radios_[i], &QRadioButton::clicked, this, &TarnReportRate::onRadioChanged);
    }
    group_->setExclusive(true);
    radios_[1]->setChecked(true);
    const UiContext& ui = UiContext::current();
    const QString radioSheet =
        indicatorStyleSheet("QRadioButton", QStringLiteral("color:white;background:transparent;spacing:6px;"),
                            QStringLiteral("DPI-OFF.png"), QStringLiteral("DPI-ON.png"), 14);
    for (QRadioButton* r : radios_) r->setStyleSheet(radioSheet);
    picture_->setPixmap(QPixmap(ui.skinPath(QStringLiteral("rate.png"))));
    picture_->setScaledContents(true);
    retranslate();
}

void TarnReportRate::setProfile(const MouseProfile& profile, int lift) {
    m_Profile = profile;
    showRate(m_Profile.pollrate);
    m_iLift = static_cast<quint8>(performance::liftOffMm(lift));
    const QSignalBlocker block(group_);
    radios_[m_iLift - 1u]->setChecked(true);
}

void TarnReportRate::setRate(int code) {
    if (rateText(code).isEmpty()) return;
    m_Profile.pollrate = static_cast<uint8_t>(code);
    showRate(code);
}

void TarnReportRate::retranslate() {
    title_->setText(tr("REPORT RATE"));
    liftTitle_->setText(tr("Lift off Distance"));
    radios_[0]->setText(tr("1 mm"));
    radios_[1]->setText(tr("2 mm"));
    for (size_t i = 0; i < actions_.size(); ++i)
        actions_[i]->setText(tr(qPrintable(rateText(kRateCodes[i]))));
    const QFont font = UiContext::current().font();
    for (QRadioButton* r : radios_) r->setFont(font);
    menu_->applyFont();
    showRate(m_Profile.pollrate);
}

void TarnReportRate::onRadioChanged() {
    const int id = group_->checkedId();
    if (id < 0) return;
    m_iLift = static_cast<quint8>(id + 1);
    qCDebug(lcPerformancePages, "m_iLift = %d", m_iLift);
    Q_EMIT RefreshLift(m_iLift);
}

void TarnReportRate::onRateChosen() {
    for (size_t i = 0; i < actions_.size(); ++i) {
        if (sender() == actions_[i]) {
            m_Profile.pollrate = static_cast<uint8_t>(kRateCodes[i]);
            showRate(kRateCodes[i]);
        }
    }
}

void TarnReportRate::showRate(int code) {
    const QString text = rateText(code);
    if (!text.isEmpty()) rateButton_->setText(tr(qPrintable(text)));
}

void TarnReportRate::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const UiContext& ui = UiContext::current();
    title_->setGeometry(ui.scaled(20), ui.scaled(20), ui.scaled(170), ui.scaled(20));
    rateButton_->setGeometry(ui.scaled(20), ui.scaled(40), ui.scaled(152), ui.scaled(28));
    menu_->setFixedWidth(ui.scaled(150));
    picture_->setGeometry(ui.scaled(180), ui.scaled(40), ui.scaled(28), ui.scaled(28));
    liftTitle_->setGeometry(ui.scaled(20), ui.scaled(80), ui.scaled(200), ui.scaled(20));
    radios_[0]->setGeometry(ui.scaled(20), ui.scaled(104), ui.scaled(80), ui.scaled(22));
    radios_[1]->setGeometry(ui.scaled(110), ui.scaled(104), ui.scaled(80), ui.scaled(22));
}

}  // namespace mousecfg
