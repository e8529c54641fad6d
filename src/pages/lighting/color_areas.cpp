#include "pages/lighting/color_areas.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <algorithm>

#include "pages/lighting/lighting_log.h"
#include "widgets/ui_context.h"

namespace mousecfg {

namespace {

constexpr int kDesignSide = 128;    // strip height and square side before scaling
constexpr int kStripWidth = 28;     // gradient plus the marker beside it, before scaling
constexpr int kGradientWidth = 18;  // the strip's coloured part
constexpr int kMaxHue = 360;
constexpr int kMaxLevel = 255;
constexpr int kMarkerDiameter = 12;
constexpr int kMarkerMargin = kMarkerDiameter / 2 + 1;  // half the marker and its pen
const QColor kFrame(120, 120, 120);

int designSide() {
    return UiContext::current().scaled(kDesignSide);
}

}  // namespace

// --- HColorArea

HColorArea::HColorArea(QWidget* parent) : QWidget(parent) {
    setFixedSize(sizeHint());
    setCursor(Qt::PointingHandCursor);
}

QSize HColorArea::sizeHint() const {
    return {UiContext::current().scaled(kStripWidth), designSide()};
}

void HColorArea::setHue(int hue) {
    hue_ = std::clamp(hue, 0, kMaxHue);
    update();
}

int HColorArea::hueAt(int y) const {
    const double h = (1.0 - static_cast<double>(y) / std::max(1, height())) * kMaxHue;
    return static_cast<int>(std::clamp(h, 0.0, static_cast<double>(kMaxHue)));
}

void HColorArea::pick(int y) {
    setHue(hueAt(y));
    Q_EMIT hueChangedSignal(hue_);
}

void HColorArea::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int gradientWidth = UiContext::current().scaled(kGradientWidth);
    // Bottom to top through the hue circle, back to red at the top end.
    QLinearGradient g(0, height(), 0, 0);
    constexpr int kStops = 16;
    for (int k = 0; k < kStops; ++k)
        g.setColorAt(static_cast<double>(k) / kStops,
                     QColor::fromHsvF(static_cast<double>(k) / kStops, 1, 1));
    g.setColorAt(1.0, QColor::fromHsvF(0, 1, 1));
    p.fillRect(QRect(0, 0, gradientWidth, height()), g);
    p.setPen(kFrame);
    p.drawRect(QRect(0, 0, gradientWidth - 1, height() - 1));

    // A triangle beside the strip pointing at the hue, kept whole at both ends.
    const int half = std::max(3, (width() - gradientWidth) / 2);
    const int y = std::clamp(height() - hue_ * height() / kMaxHue, half, height() - half);
    const int left = gradientWidth + 1;
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygon({QPoint(left, y), QPoint(width() - 1, y - half), QPoint(width() - 1, y + half)}));
}

void HColorArea::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) pick(event->pos().y());
}

void HColorArea::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) pick(event->pos().y());
}

void HColorArea::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) Q_EMIT mouseReleaseSignal();
}

// --- SVColorArea

SVColorArea::SVColorArea(QWidget* parent) : QWidget(parent) {
    setFixedSize(sizeHint());
    setCursor(Qt::CrossCursor);
}

int SVColorArea::side() const {
    return designSide();
}

QRect SVColorArea::square() const {
    return {kMarkerMargin, kMarkerMargin, side(), side()};
}

QSize SVColorArea::sizeHint() const {
    return {side() + 2 * kMarkerMargin, side() + 2 * kMarkerMargin};
}

void SVColorArea::setHsv(int hue, int saturation, int value) {
    const double scale = UiContext::current().scale;
    hue_ = std::clamp(hue, 0, kMaxHue);
    marker_ = QPoint(static_cast<int>(scale * saturation / 2), static_cast<int>(scale * value / 2));
    update();
}

void SVColorArea::hueChangedSlot(int hue) {
    hue_ = std::clamp(hue, 0, kMaxHue);
    update();
}

void SVColorArea::pick(const QPoint& pos) {
    const int s = side();
    const QPoint p = pos - square().topLeft();
    marker_ = QPoint(std::clamp(p.x(), 0, s), std::clamp(s - p.y(), 0, s));
    update();
    Q_EMIT svChangedSignal(hue_, marker_.x(), marker_.y());
}

void SVColorArea::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect sq = square();
    const int s = side();
    QLinearGradient across(sq.left(), 0, sq.left() + s, 0);
    across.setColorAt(0, Qt::white);
    across.setColorAt(1, QColor::fromHsv(hue_ % kMaxHue, kMaxLevel, kMaxLevel));
    p.fillRect(sq, across);
    QLinearGradient down(0, sq.top(), 0, sq.top() + s);
    down.setColorAt(0, QColor(0, 0, 0, 0));
    down.setColorAt(1, QColor(0, 0, 0, 255));
    p.fillRect(sq, down);

    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(marker_.y() <= s / 2 ? Qt::white : Qt::black, 2));
    p.setBrush(Qt::NoBrush);
    const int r = kMarkerDiameter / 2;
    p.drawEllipse(sq.topLeft() + QPoint(marker_.x(), s - marker_.y()), r, r);
}

void SVColorArea::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) pick(event->pos());
}

void SVColorArea::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) pick(event->pos());
}

void SVColorArea::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) Q_EMIT mouseReleaseSignal();
}

// --- PreviewColorArea

PreviewColorArea::PreviewColorArea(QWidget* parent) : QWidget(parent) {}

void PreviewColorArea::setColor(const QColor& colour) {
    colour_ = colour;
    update();
}

int PreviewColorArea::levelOf(int coordinate, double scale) {
    if (coordinate > 127 * scale) return kMaxLevel;
    return std::clamp(static_cast<int>(coordinate * 2 / scale), 0, kMaxLevel);
}

void PreviewColorArea::svChangedSlot(int hue, int x, int y) {
    const double scale = UiContext::current().scale;
    Q_EMIT svChangedSignal(hue, levelOf(x, scale), levelOf(y, scale));
}

void PreviewColorArea::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), colour_);
    p.setPen(kFrame);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

// --- DefaultColorArea

DefaultColorArea::DefaultColorArea(const QColor& colour, QWidget* parent) : QWidget(parent), colour_(colour) {
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);  // repainted on enter and leave, for the frame below
}

void DefaultColorArea::setColor(const QColor& colour) {
    colour_ = colour;
    update();
}

void DefaultColorArea::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), colour_);
    // A white frame under the pointer says that the swatch can be clicked.
    p.setPen(underMouse() ? QColor(Qt::white) : kFrame);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void DefaultColorArea::mousePressEvent(QMouseEvent* event) {
    qCDebug(lcLighting) << "DefaultColorArea mousePressEvent";
    if (event->button() == Qt::LeftButton) Q_EMIT ClickedSignal();
}

}  // namespace mousecfg
