#include "skin_kit.h"

#include <QDir>
#include <QFileInfo>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace skingen {

namespace {
Palette& mutablePalette() {
    static Palette p;
    return p;
}
}  // namespace

const Palette& palette() {
    return mutablePalette();
}
void setAccent(const QColor& accent) {
    mutablePalette().accent = accent;
}

QColor mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t,
                            a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

QColor withAlpha(const QColor& c, int alpha) {
    QColor r = c;
    r.setAlpha(alpha);
    return r;
}

QImage canvas(int w, int h) {
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

QImage paint(int w, int h, const std::function<void(QPainter&)>& draw) {
    QImage img = canvas(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    draw(p);
    p.end();
    return img;
}

QPainterPath chamfered(const QRectF& r, qreal cut, qreal small) {
    QPainterPath path;
    path.moveTo(r.left() + cut, r.top());
    path.lineTo(r.right() - small, r.top());
    path.lineTo(r.right(), r.top() + small);
    path.lineTo(r.right(), r.bottom() - cut);
    path.lineTo(r.right() - cut, r.bottom());
    path.lineTo(r.left() + small, r.bottom());
    path.lineTo(r.left(), r.bottom() - small);
    path.lineTo(r.left(), r.top() + cut);
    path.closeSubpath();
    return path;
}

void panel(QPainter& p, const QPainterPath& shape, const QColor& top, const QColor& bottom,
           const QColor& border) {
    const QRectF b = shape.boundingRect();
    QLinearGradient g(b.topLeft(), b.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setBrush(g);
    p.setPen(border.isValid() ? QPen(border, 1) : QPen(Qt::NoPen));
    p.drawPath(shape);
}

void accentLine(QPainter& p, qreal x1, qreal x2, qreal y, qreal width, int alpha) {
    QLinearGradient g(x1, y, x2, y);
    const QColor a = palette().accent;
    g.setColorAt(0, withAlpha(a, 0));
    g.setColorAt(0.15, withAlpha(a, alpha));
    g.setColorAt(0.85, withAlpha(a, alpha));
    g.setColorAt(1, withAlpha(a, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRect(QRectF(x1, y - width / 2, x2 - x1, width));
}

void glow(QPainter& p, const QPointF& centre, qreal radius, const QColor& colour) {
    QRadialGradient g(centre, radius);
    g.setColorAt(0, colour);
    g.setColorAt(1, withAlpha(colour, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
}

bool save(const QImage& image, const QString& root, const QString& relative) {
    const QString path = root + QLatin1Char('/') + relative;
    QDir().mkpath(QFileInfo(path).absolutePath());
    return image.save(path, "PNG");
}

}  // namespace skingen
