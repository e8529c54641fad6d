#pragma once

#include <QWidget>
#include <array>

#include "storage/config_state.h"

class QButtonGroup;
class QRadioButton;

namespace mousecfg {

class TarnLabel;
class TarnSingleDPI;

// The DPI page: eight stage rows and the choice of the active stage. It edits its own copy of
// the current profile (m_ProfileData), which the main window takes back when applying.
class TarnDPIWindow : public QWidget {
    Q_OBJECT

public:
    // Opacity of the active row's theme-coloured background.
    static constexpr int kHighlightAlpha = 110;

    explicit TarnDPIWindow(QWidget* parent = nullptr);

    // The product facts the rows depend on: its name (sensor 3327 ranges), the descriptor's
    // extended-range switch (sensors 3325/33252) and the number of stages it has (1..8; any
    // other number shows all eight rows).
    void setProduct(const QString& productName, bool extendedRange, int stageCount);
    int visibleRows() const { return visibleRows_; }

    void setProfile(const MouseProfile& profile, int sensor);
    void setSensor(int sensor);
    int sensor() const { return sensor_; }
    const MouseProfile& profileData() const { return m_ProfileData; }
    // Selects and highlights the active stage (as a status report from the mouse does).
    void setActiveStage(int stage);
    int activeStage() const { return m_ProfileData.dpi; }

    TarnSingleDPI* row(int stage) const { return rows_.at(static_cast<size_t>(stage)); }
    QRadioButton* radio(int stage) const { return radios_.at(static_cast<size_t>(stage)); }
    void retranslate();
    void applyTheme();

public Q_SLOTS:
    void onRadioChanged();
    void onStateChanged(int state);
    void onLinkChanged(quint8 link, quint8 stage);
    void onEnableChanged(quint8 used, quint8 stage);
    void onSliderChanged(int x, int y, quint8 stage);
    void MouseinSignal(quint8 stage);
    void slotLabelClick(mousecfg::TarnLabel* label);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void highlight(int stage);
    void layoutRows();

    MouseProfile m_ProfileData;
    int sensor_ = 0;
    QString product_;
    bool extendedRange_ = false;
    int visibleRows_ = kDpiStageSlots;
    std::array<TarnSingleDPI*, kDpiStageSlots> rows_{};
    std::array<QRadioButton*, kDpiStageSlots> radios_{};
    QButtonGroup* group_;
    TarnLabel* title_;
};

}  // namespace mousecfg
