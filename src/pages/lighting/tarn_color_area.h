#pragma once

#include <QColor>
#include <QDialog>
#include <QPixmap>
#include <array>

class QLineEdit;
class QSpinBox;
class QToolButton;

namespace mousecfg {

class DefaultColorArea;
class HColorArea;
class PreviewColorArea;
class SVColorArea;
class TarnLabel;

// The colour editor: a modal dialog offering a hue strip, a saturation/value square, H/S/V and
// R/G/B spin boxes, a hexadecimal field and seven presets, all kept in step, with a preview.
// "APPLY" accepts it and "Cancel" (or Escape) rejects it; the caller then takes color().
class TarnColorArea : public QDialog {
    Q_OBJECT

public:
    static constexpr int kPresets = 7;
    static const std::array<QColor, kPresets> kPresetColours;

    explicit TarnColorArea(QWidget* parent = nullptr);

    // Presets the editor (before it is shown); a damaged colour shows as black.
    void setColor(const QColor& colour);
    // Always opaque.
    QColor color() const { return colour_; }
    // The hue, saturation and value shown (hue 0..360; 0 for greys).
    int hue() const { return h_; }
    int saturation() const { return s_; }
    int value() const { return v_; }

Q_SIGNALS:
    void TarnChangeColor(QColor color);
    // The pointer was released on the strip or the square.
    void ApplyColor();

public Q_SLOTS:
    void color_clicked();
    void hValueChangedSlot(int h);
    void sValueChangedSlot(int s);
    void vValueChangedSlot(int v);
    void rValueChangedSlot(int r);
    void gValueChangedSlot(int g);
    void bValueChangedSlot(int b);
    void updateEditData(int hue, int saturation, int value);
    void editChangedSlot(const QString& text);
    void editFinishedSlot();
    void MouseReleaseSlot();

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    enum Spin { H, S, V, R, G, B, kSpinCount };

    void fromHsvSpins();
    void fromRgbSpins();
    // Takes a colour whose hue, saturation and value come from the colour itself.
    void takeColour(const QColor& colour, bool writeHex);
    // Makes every view show the colour and the triple, then reports the colour.
    void showColour(const QColor& colour, int h, int s, int v, bool writeHex);
    void retranslate();
    void layoutChildren();

    QColor colour_{Qt::black};
    int h_ = 0;
    int s_ = 0;
    int v_ = 0;
    // Set while the spin boxes are being updated, so their handlers do not run.
    bool guard_ = false;

    QPixmap background_;
    TarnLabel* title_;
    TarnLabel* caption_;
    HColorArea* strip_;
    SVColorArea* square_;
    PreviewColorArea* preview_;
    std::array<QSpinBox*, kSpinCount> spins_{};
    QLineEdit* hex_;
    TarnLabel* hash_;
    std::array<DefaultColorArea*, kPresets> presets_{};
    QToolButton* apply_;
    QToolButton* cancel_;
};

}  // namespace mousecfg
