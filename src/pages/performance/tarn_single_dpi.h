#pragma once

#include <QWidget>
#include <cstdint>

class QCheckBox;

namespace mousecfg {

class TarnLabel;
class TarnTwoBarSlider;

// One DPI stage row: enable box, "Link XY" box, the slider pair and the DPI read-outs. The row
// keeps its own copy of the stage's values and reports every change with the stage index.
class TarnSingleDPI : public QWidget {
    Q_OBJECT

public:
    TarnSingleDPI(quint8 stage, QWidget* parent = nullptr);

    quint8 stage() const { return stage_; }
    // Sensor code ("MouseSenSor/1") with the facts its range depends on: the product name and the
    // descriptor's extended-range switch. An unknown sensor keeps the range and labels as they were.
    void setSensor(int sensor, const QString& product = QString(), bool extendedRange = false);
    int sensor() const { return sensor_; }
    // Sets the slider pair and the three read-outs without emitting DPISignal.
    void setValues(int x, int y);
    void setLink(quint8 link);
    void setUsed(quint8 used);
    int x() const { return x_; }
    int y() const { return y_; }
    quint8 link() const { return link_; }
    quint8 used() const { return used_; }
    void retranslate();
    void applyTheme();

    TarnTwoBarSlider* sliders() const { return sliders_; }
    QCheckBox* linkBox() const { return linkBox_; }
    QCheckBox* enableBox() const { return enableBox_; }
    TarnLabel* xLabel() const { return xLabel_; }
    TarnLabel* yLabel() const { return yLabel_; }
    TarnLabel* dpiLabel() const { return dpiLabel_; }
    TarnLabel* lowLabel() const { return lowLabel_; }
    TarnLabel* highLabel() const { return highLabel_; }

Q_SIGNALS:
    void DPISignal(int x, int y, quint8 stage);
    void LinkSignal(quint8 link, quint8 stage);
    void EnableSignal(quint8 used, quint8 stage);
    void MouseinSignal(quint8 stage);

public Q_SLOTS:
    void onStateChanged(int state);
    void onSliderChanged(int x, int y);
    void slotLabelClick(mousecfg::TarnLabel* label);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void refreshLabels();
    void layoutChildren();

    quint8 stage_;
    int sensor_ = 0;
    int x_ = 0;
    int y_ = 0;
    quint8 link_ = 0;
    quint8 used_ = 0;
    QCheckBox* enableBox_;
    QCheckBox* linkBox_;
    TarnTwoBarSlider* sliders_;
    TarnLabel* dpiLabel_;
    TarnLabel* xLabel_;
    TarnLabel* yLabel_;
    TarnLabel* lowLabel_;
    TarnLabel* highLabel_;
};

}  // namespace mousecfg
