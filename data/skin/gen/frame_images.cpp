#include <QConicalGradient>
#include <QLinearGradient>
#include <QPainter>

#include "skin_images.h"
#include "skin_kit.h"

namespace skingen {

namespace {

// Faint diagonal hatching, the texture of the big surfaces.
void hatch(QPainter& p, const QRectF& area, int alpha) {
    p.save();
    p.setClipRect(area);
    p.setPen(QPen(QColor(255, 255, 255, alpha), 1));
    for (qreal x = area.left() - area.height(); x < area.right(); x += 7)
        p.drawLine(QPointF(x, area.bottom()), QPointF(x + area.height(), area.top()));
    p.restore();
}

QImage mainBackground() {
    const Palette& c = palette();
    return paint(999, 640, [&](QPainter& p) {
        const QRectF all(0, 0, 999, 640);
        const QPainterPath body = chamfered(all, 22, 8);
        panel(p, body, QColor(24, 24, 29), QColor(12, 12, 15), QColor());
        p.save();
        p.setClipPath(body);
        // Title band and its texture.
        QLinearGradient band(0, 0, 0, 80);
        band.setColorAt(0, QColor(34, 34, 41));
        band.setColorAt(1, QColor(20, 20, 25));
        p.fillRect(QRectF(0, 0, 999, 80), band);
        hatch(p, QRectF(560, 0, 439, 80), 6);
        glow(p, QPointF(160, 0), 260, withAlpha(c.accent, 28));
        glow(p, QPointF(999, 640), 300, withAlpha(c.accent, 22));
        p.restore();
        accentLine(p, 40, 960, 80, 2, 200);

        // Left column behind the tabs.
        panel(p, chamfered(QRectF(60, 86, 172, 144), 10, 3), QColor(22, 22, 27), QColor(17, 17, 21), c.line);
        // Page area.
        panel(p, chamfered(QRectF(276, 86, 706, 486), 14, 4), QColor(25, 25, 31), QColor(18, 18, 22), c.line);
        hatch(p, QRectF(277, 87, 120, 40), 5);
        // Bottom bar.
        panel(p, chamfered(QRectF(60, 578, 922, 52), 10, 3), QColor(22, 22, 27), QColor(15, 15, 18), c.line);
        accentLine(p, 276, 982, 572, 1, 90);

        // Outline and accent corners.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(58, 58, 68), 1.2));
        p.drawPath(chamfered(all.adjusted(0.6, 0.6, -0.6, -0.6), 22, 8));
        p.setPen(QPen(c.accent, 3, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.drawPolyline(QPolygonF({QPointF(2, 90), QPointF(2, 23), QPointF(23, 2), QPointF(220, 2)}));
        p.drawPolyline(
            QPolygonF({QPointF(997, 550), QPointF(997, 617), QPointF(976, 638), QPointF(780, 638)}));
    });
}

// Window buttons: 0 normal, 1 hover, 2 pressed.
QImage titleButton(int state, bool close) {
    const Palette& c = palette();
    return paint(19, 19, [&](QPainter& p) {
        const QRectF r(0.5, 0.5, 18, 18);
        if (state == 0) {
            p.setPen(QPen(c.line, 1));
            p.setBrush(QColor(30, 30, 36));
        } else {
            p.setPen(QPen(state == 1 ? c.accent.lighter(130) : c.accent.darker(130), 1));
            p.setBrush(state == 1 ? c.accent : c.accent.darker(160));
        }
        p.drawRoundedRect(r, 4, 4);
        p.setPen(QPen(state == 0 ? c.text : Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap));
        if (close) {
            p.drawLine(QPointF(6, 6), QPointF(13, 13));
            p.drawLine(QPointF(13, 6), QPointF(6, 13));
        } else {
            p.drawLine(QPointF(5.5, 12.5), QPointF(13.5, 12.5));
        }
    });
}

// Tab images: 1 normal, 3 hover/selected, 2 pressed. They are stretched to several button
// sizes, so everything is drawn relative to the edges.
QImage tab(int variant) {
    const Palette& c = palette();
    return paint(154, 29, [&](QPainter& p) {
        const QRectF r(0.5, 0.5, 153, 28);
        const QPainterPath shape = chamfered(r, 7, 2);
        if (variant == 1) {
            panel(p, shape, QColor(40, 40, 48), QColor(26, 26, 31), c.line);
            p.setPen(Qt::NoPen);
            p.setBrush(withAlpha(c.accent, 110));
            p.drawRect(QRectF(1, 9, 2, 11));
        } else {
            const bool pressed = variant == 2;
            panel(p, shape, mix(QColor(40, 40, 48), c.accent, pressed ? 0.55 : 0.32),
                  mix(QColor(22, 22, 27), c.accent, pressed ? 0.40 : 0.12), c.accent);
            p.setPen(Qt::NoPen);
            p.setBrush(c.accent.lighter(pressed ? 100 : 125));
            p.drawRect(QRectF(1, 5, 3, 19));
            QLinearGradient shine(0, 0, 0, 14);
            shine.setColorAt(0, QColor(255, 255, 255, pressed ? 10 : 30));
            shine.setColorAt(1, QColor(255, 255, 255, 0));
            p.setBrush(shine);
            p.drawPath(chamfered(r.adjusted(1, 1, -1, -14), 6, 1));
        }
    });
}

void dropArrow(QPainter& p, qreal cx, qreal cy, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(QPolygonF({QPointF(cx - 4, cy - 2), QPointF(cx + 4, cy - 2), QPointF(cx, cy + 3)}));
}

QImage languageButton() {
    const Palette& c = palette();
    return paint(105, 20, [&](QPainter& p) {
        panel(p, chamfered(QRectF(0.5, 0.5, 104, 19), 5, 2), QColor(38, 38, 46), QColor(25, 25, 30), c.line);
        // Globe.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(c.accent, 1.2));
        const QPointF g(11, 10);
        p.drawEllipse(g, 5.5, 5.5);
        p.drawEllipse(g, 2.4, 5.5);
        p.drawLine(QPointF(5.5, 10), QPointF(16.5, 10));
        dropArrow(p, 96, 10, c.text);
    });
}

QImage selectorButton() {
    const Palette& c = palette();
    return paint(150, 26, [&](QPainter& p) {
        panel(p, chamfered(QRectF(0.5, 0.5, 149, 25), 6, 2), QColor(38, 38, 46), QColor(24, 24, 29), c.line);
        p.setPen(QPen(c.line, 1));
        p.drawLine(QPointF(128.5, 5), QPointF(128.5, 21));
        dropArrow(p, 139, 13, c.accent);
    });
}

// Battery frame drawn around the gauge (the gauge sits at 6, 6, 71 x 34 inside it). With a
// cable the gauge is hidden and the frame shows a plug instead.
QImage batteryFrame(bool cable) {
    const Palette& c = palette();
    return paint(86, 47, [&](QPainter& p) {
        p.setBrush(QColor(10, 10, 12));
        p.setPen(QPen(cable ? c.accent : QColor(170, 170, 180), 2));
        p.drawRoundedRect(QRectF(3, 3, 77, 40), 4, 4);
        p.setPen(Qt::NoPen);
        p.setBrush(cable ? c.accent : QColor(170, 170, 180));
        p.drawRoundedRect(QRectF(80, 15, 5, 16), 1.5, 1.5);
        if (!cable) return;
        // Plug: body, prongs and cable.
        p.setBrush(QColor(225, 225, 230));
        p.drawRoundedRect(QRectF(30, 16, 16, 14), 2, 2);
        p.drawRect(QRectF(46, 18.5, 7, 2.5));
        p.drawRect(QRectF(46, 25, 7, 2.5));
        p.setPen(QPen(QColor(225, 225, 230), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        QPainterPath cableLine(QPointF(30, 23));
        cableLine.cubicTo(QPointF(20, 23), QPointF(22, 34), QPointF(11, 34));
        p.drawPath(cableLine);
    });
}

// Background of every skinned dialog. Opaque: the dialogs draw their theme frame on its edge.
QImage dialogBackground(int w, int h) {
    const Palette& c = palette();
    return paint(w, h, [&](QPainter& p) {
        QLinearGradient g(0, 0, 0, h);
        g.setColorAt(0, QColor(30, 30, 37));
        g.setColorAt(1, QColor(14, 14, 17));
        p.fillRect(QRect(0, 0, w, h), g);
        hatch(p, QRectF(w * 0.55, 0, w * 0.45, 48), 7);
        glow(p, QPointF(w * 0.15, 0), w * 0.5, withAlpha(c.accent, 30));
        accentLine(p, 14, w - 14, 50, 1.5, 170);
        // Corner brackets.
        p.setPen(QPen(withAlpha(c.accent, 200), 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({QPointF(8, 28), QPointF(8, 8), QPointF(28, 8)}));
        p.drawPolyline(QPolygonF({QPointF(w - 8, h - 28), QPointF(w - 8, h - 8), QPointF(w - 28, h - 8)}));
        // A darker well behind the buttons.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 60));
        p.drawRect(QRectF(2, h - 82, w - 4, 80));
        p.setPen(QPen(QColor(255, 255, 255, 14), 1));
        p.drawLine(QPointF(2, h - 82.5), QPointF(w - 2, h - 82.5));
    });
}

QImage bullet() {
    return paint(9, 39, [&](QPainter& p) {
        QLinearGradient brass(0, 0, 9, 0);
        brass.setColorAt(0, QColor(150, 110, 40));
        brass.setColorAt(0.45, QColor(240, 205, 120));
        brass.setColorAt(1, QColor(130, 90, 30));
        QLinearGradient copper(0, 0, 9, 0);
        copper.setColorAt(0, QColor(140, 70, 40));
        copper.setColorAt(0.45, QColor(230, 150, 110));
        copper.setColorAt(1, QColor(120, 55, 30));
        p.setPen(Qt::NoPen);
        QPainterPath tip(QPointF(1, 14));
        tip.cubicTo(QPointF(1, 5), QPointF(3.5, 0.5), QPointF(4.5, 0.5));
        tip.cubicTo(QPointF(5.5, 0.5), QPointF(8, 5), QPointF(8, 14));
        tip.closeSubpath();
        p.setBrush(copper);
        p.drawPath(tip);
        p.setBrush(brass);
        p.drawRect(QRectF(0.5, 14, 8, 22));
        p.drawRect(QRectF(0, 36, 9, 3));
        p.setBrush(QColor(0, 0, 0, 70));
        p.drawRect(QRectF(0.5, 34.5, 8, 1.2));
    });
}

}  // namespace

QImage loadingFrame(int i, int count) {
    const Palette& c = palette();
    return paint(128, 128, [&](QPainter& p) {
        panel(p, chamfered(QRectF(0.5, 0.5, 127, 127), 14, 5), QColor(34, 34, 41), QColor(16, 16, 20),
              c.line);
        const QPointF centre(64, 60);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(50, 50, 58), 7));
        p.drawEllipse(centre, 30, 30);
        if (count <= 0) return;
        // A comet-like arc turning clockwise.
        const double angle = -360.0 * i / count;
        QConicalGradient g(centre, angle);
        g.setColorAt(0, c.accent.lighter(130));
        g.setColorAt(0.35, withAlpha(c.accent, 0));
        g.setColorAt(1, withAlpha(c.accent, 0));
        p.setPen(QPen(QBrush(g), 7, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(34, 30, 60, 60), static_cast<int>(angle * 16), 125 * 16);
        // Three dots under the ring, one lit per third of the turn.
        for (int d = 0; d < 3; ++d) {
            const bool lit = (i * 3 / count) == d;
            p.setPen(Qt::NoPen);
            p.setBrush(lit ? c.accent : QColor(70, 70, 80));
            p.drawEllipse(QPointF(52 + d * 12, 108), 3, 3);
        }
    });
}

void addFrameImages(ImageList& out) {
    out.append({QStringLiteral("cfgMainback.png"), mainBackground()});
    for (int s = 0; s < 3; ++s) {
        out.append({QStringLiteral("close-%1.png").arg(s + 1), titleButton(s, true)});
        out.append({QStringLiteral("min-%1.png").arg(s + 1), titleButton(s, false)});
    }
    for (int v = 1; v <= 3; ++v) out.append({QStringLiteral("tabbutton-%1.png").arg(v), tab(v)});
    out.append({QStringLiteral("lang.png"), languageButton()});
    out.append({QStringLiteral("profilesel.png"), selectorButton()});
    out.append({QStringLiteral("bat1.png"), batteryFrame(true)});
    out.append({QStringLiteral("bat2.png"), batteryFrame(false)});
    out.append({QStringLiteral("dlg.png"), dialogBackground(478, 309)});
    out.append({QStringLiteral("dlg_gun.png"), dialogBackground(619, 400)});
    out.append({QStringLiteral("process.png"), loadingFrame(0, 0)});
    out.append({QStringLiteral("gunset_bullet.png"), bullet()});
}

}  // namespace skingen
