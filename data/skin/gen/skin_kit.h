#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QString>
#include <functional>

class QPainter;

// Drawing helpers and the palette shared by every generated skin image.
namespace skingen {

struct Palette {
    QColor accent;               // the default theme colour
    QColor base{16, 16, 20};     // window body
    QColor panel{27, 27, 33};    // raised panels
    QColor panelHi{38, 38, 46};  // top of a raised gradient
    QColor line{52, 52, 61};     // borders
    QColor text{214, 214, 220};  // glyphs
    QColor dim{128, 128, 138};   // inactive glyphs
};

const Palette& palette();
void setAccent(const QColor& accent);

// `a` mixed with `b` by t (0 = a, 1 = b).
QColor mix(const QColor& a, const QColor& b, double t);
QColor withAlpha(const QColor& c, int alpha);

// A transparent ARGB image of the given size.
QImage canvas(int w, int h);
// Paints into a fresh canvas with antialiasing on.
QImage paint(int w, int h, const std::function<void(QPainter&)>& draw);

// A rectangle with its top-left and bottom-right corners cut by `cut` and the other two by
// `small` (the angular outline of the skin).
QPainterPath chamfered(const QRectF& r, qreal cut, qreal small);

// A vertical gradient panel with a one-pixel border.
void panel(QPainter& p, const QPainterPath& shape, const QColor& top, const QColor& bottom,
           const QColor& border);
// A thin horizontal accent line that fades out at both ends.
void accentLine(QPainter& p, qreal x1, qreal x2, qreal y, qreal width, int alpha = 255);
// A soft radial glow.
void glow(QPainter& p, const QPointF& centre, qreal radius, const QColor& colour);

// Saves `image` below `root` (creating folders); false on failure.
bool save(const QImage& image, const QString& root, const QString& relative);

}  // namespace skingen
