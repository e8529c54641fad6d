#pragma once

#include <QWidget>
#include <array>

#include "device/report_rate.h"
#include "storage/config_state.h"

class QButtonGroup;
class QLabel;
class QRadioButton;

namespace mousecfg {

class TarnAction;
class TarnLabel;
class TarnMenu;
class TarnPushButton;

// Report rate (per profile, in the page's own copy of the profile) and lift-off distance
// (device-wide, reported to the main window with RefreshLift).
class TarnReportRate : public QWidget {
    Q_OBJECT

public:
    // The rate codes of the menu, in its order: 125, 250, 500 and 1000 Hz.
    static constexpr std::array<int, 4> kRateCodes = kReportRateCodes;
    // "125 HZ" .. "1000 HZ" for a rate code, empty for any other code.
    static QString rateText(int code);

    explicit TarnReportRate(QWidget* parent = nullptr);

    // Copies the profile and shows its rate; a lift-off value other than 1 or 2 means 2 mm.
    // Emits nothing.
    void setProfile(const MouseProfile& profile, int lift);
    const MouseProfile& profileData() const { return m_Profile; }
    quint8 lift() const { return m_iLift; }
    // Shows a rate reported by the mouse (a code not in the menu leaves the text as it was).
    void setRate(int code);
    void retranslate();

    TarnPushButton* rateButton() const { return rateButton_; }
    TarnMenu* rateMenu() const { return menu_; }
    TarnAction* rateAction(int index) const { return actions_.at(static_cast<size_t>(index)); }
    QRadioButton* liftRadio(int index) const { return radios_.at(static_cast<size_t>(index)); }

Q_SIGNALS:
    void RefreshLift(quint8 iLift);

public Q_SLOTS:
    void onRadioChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void onRateChosen();
    void showRate(int code);

    MouseProfile m_Profile;
    quint8 m_iLift = 2;
    TarnLabel* title_;
    TarnPushButton* rateButton_;
    TarnMenu* menu_;
    std::array<TarnAction*, 4> actions_{};
    TarnLabel* liftTitle_;
    std::array<QRadioButton*, 2> radios_{};
    QButtonGroup* group_;
    QLabel* picture_;
};

}  // namespace mousecfg
