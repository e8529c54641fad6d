#pragma once

#include <QPixmap>
#include <QWidget>

#include "storage/paths.h"

class QLabel;

namespace mousecfg {

class TarnProcessbar;
struct BatteryState;

// The battery corner of the window: the gauge in its frame (bat1.png while a cable is connected,
// bat2.png otherwise), the charging icon and the receiver icon.
class BatteryGauge : public QWidget {
    Q_OBJECT
public:
    BatteryGauge(const Paths& paths, QWidget* window);

    // Places the corner and its parts for the current scale.
    void layout();
    // WindowSession::ConnectionState: the frame, the receiver icon, the gauge hidden with a cable.
    void setConnection(int state);
    void setBattery(const BatteryState& state);
    void retranslate();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void place(QWidget* w, int x, int y, int width, int height);

    QPixmap cableFrame_;
    QPixmap wirelessFrame_;
    TarnProcessbar* bar_;
    QLabel* charging_;
    QLabel* receiver_;
    bool cable_ = false;
    bool mouseOff_ = false;
};

}  // namespace mousecfg
