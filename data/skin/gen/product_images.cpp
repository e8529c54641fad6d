#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "skin_images.h"
#include "skin_kit.h"

namespace skingen {

namespace {

// Top view of the mouse, 300 x 400.
QPainterPath bodyOutline() {
    QPainterPath left;
    left.moveTo(150, 28);
    left.cubicTo(98, 28, 72, 62, 70, 112);
    left.cubicTo(66, 175, 70, 255, 82, 302);
    left.cubicTo(94, 350, 122, 374, 150, 374);
    left.cubicTo(178, 374, 206, 350, 218, 302);
    left.cubicTo(230, 255, 234, 175, 230, 112);
    left.cubicTo(228, 62, 202, 28, 150, 28);
    left.closeSubpath();
    return left;
}

QPainterPath rounded(const QRectF& r, qreal radius) {
    QPainterPath p;
    p.addRoundedRect(r, radius, radius);
    return p;
}

QPainterPath rectPath(const QRectF& r) {
    QPainterPath p;
    p.addRect(r);
    return p;
}

// The outline of button n (1-based) on the top view.
QPainterPath buttonShape(int n) {
    const QPainterPath body = bodyOutline();
    switch (n) {
        case 1:
            return body.intersected(rectPath(QRectF(0, 0, 147, 150)));
        case 2:
            return body.intersected(rectPath(QRectF(153, 0, 150, 150)));
        case 3:
            return rounded(QRectF(140, 62, 20, 44), 9);
        case 4:
            return rounded(QRectF(63, 166, 12, 34), 5);
        case 5:
            return rounded(QRectF(63, 206, 12, 34), 5);
        case 6:
            return rounded(QRectF(142, 114, 16, 12), 3);
        case 7:
            return rounded(QRectF(142, 130, 16, 12), 3);
        case 8:
            return rounded(QRectF(64, 248, 10, 22), 4);
        case 9:
            return rounded(QRectF(98, 122, 26, 12), 4);
        default:
            return rounded(QRectF(138, 334, 24, 12), 4);
    }
}

QImage topView(int highlight) {
    const Palette& c = palette();
    return paint(300, 400, [&](QPainter& p) {
        const QPainterPath body = bodyOutline();
        // Ground shadow.
        glow(p, QPointF(150, 210), 170, QColor(0, 0, 0, 120));
        // Lighting strip around the body.
        p.setPen(QPen(withAlpha(c.accent, 90), 9));
        p.setBrush(Qt::NoBrush);
        p.drawPath(body);
        p.setPen(QPen(c.accent.lighter(120), 2.5));
        p.drawPath(body);
        // Shell.
        QRadialGradient shell(QPointF(130, 170), 230);
        shell.setColorAt(0, QColor(66, 66, 76));
        shell.setColorAt(0.6, QColor(34, 34, 40));
        shell.setColorAt(1, QColor(16, 16, 19));
        p.setBrush(shell);
        p.setPen(QPen(QColor(12, 12, 14), 1.5));
        p.drawPath(body);
        // Honeycomb-like palm vents.
        p.save();
        p.setClipPath(body.intersected(rounded(QRectF(104, 200, 92, 90), 30)));
        p.setPen(QPen(QColor(10, 10, 12), 3));
        for (int row = 0; row < 9; ++row)
            for (int col = 0; col < 8; ++col)
                p.drawEllipse(QPointF(104 + col * 13 + (row % 2) * 6.5, 204 + row * 11), 3.2, 3.2);
        p.restore();
        // Buttons and seams.
        for (int n = 1; n <= kProductButtons; ++n) {
            const QPainterPath b = buttonShape(n);
            QLinearGradient g(b.boundingRect().topLeft(), b.boundingRect().bottomLeft());
            if (n == highlight) {
                g.setColorAt(0, c.accent.lighter(130));
                g.setColorAt(1, c.accent.darker(130));
            } else if (n <= 2) {
                g.setColorAt(0, QColor(58, 58, 68));
                g.setColorAt(1, QColor(36, 36, 42));
            } else {
                g.setColorAt(0, QColor(74, 74, 86));
                g.setColorAt(1, QColor(30, 30, 36));
            }
            p.setBrush(g);
            p.setPen(QPen(n == highlight ? QColor(Qt::white) : QColor(12, 12, 14), n == highlight ? 2 : 1.2));
            p.drawPath(b);
        }
        // Wheel ridges.
        p.setPen(QPen(QColor(20, 20, 24), 1.5));
        for (int i = 0; i < 7; ++i) p.drawLine(QPointF(143, 69 + i * 5.5), QPointF(157, 69 + i * 5.5));
        // Emblem.
        p.setPen(Qt::NoPen);
        p.setBrush(c.accent);
        p.drawPolygon(
            QPolygonF({QPointF(150, 300), QPointF(162, 318), QPointF(150, 313), QPointF(138, 318)}));
        if (highlight > 0)
            glow(p, buttonShape(highlight).boundingRect().center(), 40, withAlpha(c.accent, 80));
    });
}

// Left side view, 300 x 300.
QImage sideView() {
    const Palette& c = palette();
    return paint(300, 300, [&](QPainter& p) {
        QPainterPath shell;
        shell.moveTo(22, 196);
        shell.cubicTo(30, 140, 90, 104, 170, 110);
        shell.cubicTo(230, 114, 276, 150, 280, 196);
        shell.lineTo(280, 206);
        shell.lineTo(22, 206);
        shell.closeSubpath();
        glow(p, QPointF(150, 212), 140, QColor(0, 0, 0, 110));
        QLinearGradient g(0, 104, 0, 206);
        g.setColorAt(0, QColor(70, 70, 80));
        g.setColorAt(0.5, QColor(36, 36, 42));
        g.setColorAt(1, QColor(18, 18, 21));
        p.setBrush(g);
        p.setPen(QPen(QColor(10, 10, 12), 1.5));
        p.drawPath(shell);
        // Base plate and lighting strip.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(14, 14, 16));
        p.drawRoundedRect(QRectF(26, 204, 250, 10), 4, 4);
        p.setBrush(c.accent);
        p.drawRect(QRectF(40, 199, 222, 3));
        glow(p, QPointF(150, 200), 60, withAlpha(c.accent, 60));
        // Side buttons and the sniper button.
        const QRectF side[] = {QRectF(96, 150, 36, 14), QRectF(136, 150, 36, 14), QRectF(118, 170, 14, 18)};
        for (const QRectF& r : side) {
            QLinearGradient bg(r.topLeft(), r.bottomLeft());
            bg.setColorAt(0, QColor(84, 84, 96));
            bg.setColorAt(1, QColor(36, 36, 42));
            p.setBrush(bg);
            p.setPen(QPen(QColor(10, 10, 12), 1.2));
            p.drawRoundedRect(r, 5, 5);
        }
        // Thumb grip texture.
        p.setPen(QPen(QColor(14, 14, 16), 2));
        for (int i = 0; i < 10; ++i) p.drawLine(QPointF(84 + i * 11, 192), QPointF(92 + i * 11, 180));
    });
}

}  // namespace

void addProductImages(ImageList& out, const QString& product) {
    out.append({QStringLiteral("mouse/%1/Mouse.png").arg(product), topView(0)});
    for (int n = 1; n <= kProductButtons; ++n)
        out.append({QStringLiteral("mouse/%1/mouse_%2.png").arg(product).arg(n), topView(n)});
    out.append({QStringLiteral("mouse/%1_Side.png").arg(product), sideView()});
}

QImage appIcon(int size) {
    const Palette& c = palette();
    return paint(size, size, [&](QPainter& p) {
        p.scale(size / 64.0, size / 64.0);
        const QPainterPath plate = chamfered(QRectF(1, 1, 62, 62), 14, 5);
        panel(p, plate, QColor(40, 40, 48), QColor(14, 14, 17), c.accent);
        glow(p, QPointF(32, 40), 30, withAlpha(c.accent, 110));
        p.setBrush(QColor(235, 235, 240));
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(QRectF(21, 11, 22, 40), 11, 11);
        p.setPen(QPen(QColor(30, 30, 36), 2));
        p.drawLine(QPointF(21, 27), QPointF(43, 27));
        p.drawLine(QPointF(32, 11), QPointF(32, 27));
        p.setPen(Qt::NoPen);
        p.setBrush(c.accent);
        p.drawRoundedRect(QRectF(30, 15, 4, 8), 2, 2);
    });
}

}  // namespace skingen
