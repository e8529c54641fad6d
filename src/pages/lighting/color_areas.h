#pragma once

#include <QColor>
#include <QWidget>

namespace mousecfg {

// The pieces of the colour editor. Their sizes follow the interface scale of the current
// UiContext: the hue strip is int(128 x scale) high and the square int(128 x scale) wide.

// Vertical hue strip: hue 0 at the bottom edge, 360 at the top, with a triangular marker at the
// current hue. A press or drag picks the hue under the pointer (0 below the strip, 360 above it).
class HColorArea : public QWidget {
    Q_OBJECT

public:
    explicit HColorArea(QWidget* parent = nullptr);

    int hue() const { return hue_; }
    // Moves the marker; emits nothing.
    void setHue(int hue);
    // The hue a pointer at height y (widget coordinates) stands for.
    int hueAt(int y) const;
    QSize sizeHint() const override;

Q_SIGNALS:
    void hueChangedSignal(int hue);
    void mouseReleaseSignal();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void pick(int y);

    int hue_ = 0;
};

// Saturation/value square for one hue: white to the pure hue from left to right, darkening
// towards black at the bottom. Its point is kept in square coordinates, y counted upwards from
// the bottom edge, both within 0..side. The widget leaves a margin around the square so that the
// marker stays whole at the edges; square() is where the square lies in it.
class SVColorArea : public QWidget {
    Q_OBJECT

public:
    explicit SVColorArea(QWidget* parent = nullptr);

    int side() const;
    QRect square() const;
    int hue() const { return hue_; }
    QPoint marker() const { return marker_; }
    // Shows hue, saturation and value (0..255): the marker goes to
    // (int(scale x s / 2), int(scale x v / 2)). Emits nothing.
    void setHsv(int hue, int saturation, int value);
    QSize sizeHint() const override;

public Q_SLOTS:
    // A new hue from the strip: repaint for it. (The editor takes the hue from the strip itself,
    // so that picking a hue keeps saturation and value exactly; the square's 128 points could
    // not carry all 256 levels back.)
    void hueChangedSlot(int hue);

Q_SIGNALS:
    void svChangedSignal(int hue, int x, int y);
    void mouseReleaseSignal();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void pick(const QPoint& pos);

    int hue_ = 0;
    QPoint marker_;
};

// The current colour with a 1-pixel frame. It also turns a point of the square into saturation
// and value: coordinate x 2 / scale, 255 beyond 127 x scale.
class PreviewColorArea : public QWidget {
    Q_OBJECT

public:
    explicit PreviewColorArea(QWidget* parent = nullptr);

    QColor color() const { return colour_; }
    void setColor(const QColor& colour);
    // A square coordinate (0..side) as a saturation or value level (0..255).
    static int levelOf(int coordinate, double scale);

public Q_SLOTS:
    void svChangedSlot(int hue, int x, int y);

Q_SIGNALS:
    void svChangedSignal(int hue, int saturation, int value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_{Qt::black};
};

// A colour swatch that reports a press: the editor's presets and the lighting page's own swatch.
class DefaultColorArea : public QWidget {
    Q_OBJECT

public:
    explicit DefaultColorArea(const QColor& colour = Qt::black, QWidget* parent = nullptr);

    QColor color() const { return colour_; }
    void setColor(const QColor& colour);

Q_SIGNALS:
    void ClickedSignal();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QColor colour_;
};

}  // namespace mousecfg
