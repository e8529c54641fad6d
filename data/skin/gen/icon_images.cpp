#include <QLinearGradient>
#include <QPainter>

#include "skin_images.h"
#include "skin_kit.h"

namespace skingen {

namespace {

QPen glyphPen(const QColor& c, qreal w = 1.6) {
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Profile-bar icon: a small plate with a glyph; hover lights the plate in the accent.
QImage profileIcon(const std::function<void(QPainter&, const QColor&)>& glyph, bool hover) {
    const Palette& c = palette();
    return paint(22, 22, [&](QPainter& p) {
        const QPainterPath plate = chamfered(QRectF(0.5, 0.5, 21, 21), 5, 1.5);
        if (hover) {
            panel(p, plate, mix(QColor(44, 44, 52), c.accent, 0.45), mix(QColor(24, 24, 29), c.accent, 0.25),
                  c.accent);
        } else {
            panel(p, plate, QColor(40, 40, 48), QColor(24, 24, 29), c.line);
        }
        p.setBrush(Qt::NoBrush);
        glyph(p, hover ? QColor(Qt::white) : c.text);
    });
}

void arrowGlyph(QPainter& p, const QColor& col, bool intoTray) {
    p.setPen(glyphPen(col));
    p.drawPolyline(QPolygonF({QPointF(5, 13), QPointF(5, 17), QPointF(17, 17), QPointF(17, 13)}));
    if (intoTray) {
        p.drawLine(QPointF(11, 4), QPointF(11, 13));
        p.drawPolyline(QPolygonF({QPointF(7.5, 9.5), QPointF(11, 13), QPointF(14.5, 9.5)}));
    } else {
        p.drawLine(QPointF(11, 13), QPointF(11, 4));
        p.drawPolyline(QPolygonF({QPointF(7.5, 7.5), QPointF(11, 4), QPointF(14.5, 7.5)}));
    }
}

void resetGlyph(QPainter& p, const QColor& col) {
    p.setPen(glyphPen(col));
    p.drawArc(QRectF(5, 5, 12, 12), 100 * 16, 290 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(col);
    p.drawPolygon(QPolygonF({QPointF(7.5, 3), QPointF(12, 5.2), QPointF(7.8, 8.2)}));
}

void plusGlyph(QPainter& p, const QColor& col) {
    p.setPen(glyphPen(col, 2));
    p.drawLine(QPointF(11, 5.5), QPointF(11, 16.5));
    p.drawLine(QPointF(5.5, 11), QPointF(16.5, 11));
}

void deleteGlyph(QPainter& p, const QColor& col) {
    p.setPen(glyphPen(col));
    p.drawLine(QPointF(5, 6.5), QPointF(17, 6.5));
    p.drawLine(QPointF(9, 4.5), QPointF(13, 4.5));
    p.drawPolyline(QPolygonF({QPointF(6.5, 6.5), QPointF(7.5, 17), QPointF(14.5, 17), QPointF(15.5, 6.5)}));
    p.drawLine(QPointF(11, 9), QPointF(11, 14.5));
}

void copyGlyph(QPainter& p, const QColor& col) {
    p.setPen(glyphPen(col, 1.4));
    p.drawRoundedRect(QRectF(4.5, 4.5, 9, 10), 1.5, 1.5);
    p.setBrush(QColor(30, 30, 36));
    p.drawRoundedRect(QRectF(8.5, 8, 9, 10), 1.5, 1.5);
}

void applyGlyph(QPainter& p, const QColor& col) {
    p.setPen(glyphPen(col, 1.4));
    for (int i = 0; i < 3; ++i) p.drawLine(QPointF(5, 6 + i * 4), QPointF(12, 6 + i * 4));
    p.setPen(Qt::NoPen);
    p.setBrush(col);
    p.drawPolygon(QPolygonF({QPointF(13, 9), QPointF(18, 9), QPointF(15.5, 13)}));
}

// Up/down buttons of the button page; `style` 0 round (generic) or 1 angular (model family),
// `lit` for the selected look.
QImage stepButton(bool up, int style, bool lit) {
    const Palette& c = palette();
    return paint(24, 24, [&](QPainter& p) {
        const QColor border = lit ? c.accent : c.line;
        const QColor top = lit ? mix(QColor(44, 44, 52), c.accent, 0.4) : QColor(40, 40, 48);
        const QColor bottom = lit ? mix(QColor(22, 22, 27), c.accent, 0.2) : QColor(22, 22, 27);
        QPainterPath shape;
        if (style == 0) {
            shape.addEllipse(QRectF(1, 1, 22, 22));
        } else {
            shape = chamfered(QRectF(1, 1, 22, 22), 6, 2);
        }
        panel(p, shape, top, bottom, border);
        p.setPen(glyphPen(lit ? QColor(Qt::white) : c.text, 2.2));
        p.setBrush(Qt::NoBrush);
        if (up) {
            p.drawPolyline(QPolygonF({QPointF(7, 14), QPointF(12, 9), QPointF(17, 14)}));
        } else {
            p.drawPolyline(QPolygonF({QPointF(7, 10), QPointF(12, 15), QPointF(17, 10)}));
        }
    });
}

QImage warnIcon() {
    const Palette& c = palette();
    return paint(45, 45, [&](QPainter& p) {
        glow(p, QPointF(22.5, 26), 22, withAlpha(c.accent, 70));
        QPainterPath tri;
        tri.moveTo(22.5, 4);
        tri.lineTo(42, 39);
        tri.lineTo(3, 39);
        tri.closeSubpath();
        QLinearGradient g(0, 4, 0, 39);
        g.setColorAt(0, c.accent.lighter(125));
        g.setColorAt(1, c.accent.darker(135));
        p.setBrush(g);
        p.setPen(QPen(c.accent.lighter(150), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(tri);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(20.5, 14, 4, 14), 2, 2);
        p.drawEllipse(QPointF(22.5, 33), 2.3, 2.3);
    });
}

// The USB receiver; `missing` adds the "not found" slash.
QImage dongleIcon(int size, bool missing) {
    const Palette& c = palette();
    return paint(size, size, [&](QPainter& p) {
        p.scale(size / 48.0, size / 48.0);
        // Plug (metal) and body.
        QLinearGradient metal(0, 0, 0, 48);
        metal.setColorAt(0, QColor(220, 220, 228));
        metal.setColorAt(1, QColor(140, 140, 150));
        p.setPen(Qt::NoPen);
        p.setBrush(metal);
        p.drawRect(QRectF(18, 5, 12, 12));
        p.setBrush(QColor(40, 40, 46));
        p.drawRect(QRectF(20.5, 8, 2.5, 2.5));
        p.drawRect(QRectF(25, 8, 2.5, 2.5));
        panel(p, chamfered(QRectF(14, 16, 20, 27), 5, 2), QColor(58, 58, 68), QColor(26, 26, 31),
              QColor(90, 90, 100));
        p.setPen(Qt::NoPen);
        p.setBrush(missing ? QColor(90, 90, 100) : c.accent);
        p.drawRoundedRect(QRectF(21.5, 34, 5, 3), 1, 1);
        if (!missing) glow(p, QPointF(24, 35.5), 7, withAlpha(c.accent, 120));
        if (missing) {
            p.setPen(QPen(c.accent, 3.5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(8, 42), QPointF(40, 6));
        }
    });
}

QImage lightning() {
    const Palette& c = palette();
    return paint(26, 40, [&](QPainter& p) {
        QPainterPath bolt;
        bolt.moveTo(16, 2);
        bolt.lineTo(4, 23);
        bolt.lineTo(12, 23);
        bolt.lineTo(9, 38);
        bolt.lineTo(22, 15);
        bolt.lineTo(14, 15);
        bolt.closeSubpath();
        glow(p, QPointF(13, 20), 14, withAlpha(QColor(255, 210, 60), 60));
        QLinearGradient g(0, 2, 0, 38);
        g.setColorAt(0, QColor(255, 240, 150));
        g.setColorAt(1, QColor(255, 170, 20));
        p.setBrush(g);
        p.setPen(QPen(QColor(255, 250, 220), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(bolt);
        Q_UNUSED(c);
    });
}

// 20 x 20 icons of the macro rows.
QImage rowIcon(int which) {
    const Palette& c = palette();
    return paint(20, 20, [&](QPainter& p) {
        switch (which) {
            case 0: {  // keyboard key
                panel(p, chamfered(QRectF(2.5, 3.5, 15, 13), 3, 1), QColor(70, 70, 80), QColor(36, 36, 42),
                      QColor(110, 110, 120));
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(255, 255, 255, 40));
                p.drawRect(QRectF(4.5, 5, 11, 6));
                p.setBrush(c.accent);
                p.drawRect(QRectF(6, 13, 8, 1.5));
                break;
            }
            case 1:    // pressed: arrow down
            case 2: {  // released: arrow up
                const bool down = which == 1;
                p.setPen(glyphPen(down ? c.accent : c.text, 2.2));
                p.drawLine(QPointF(10, 3.5), QPointF(10, 16.5));
                if (down) {
                    p.drawPolyline(QPolygonF({QPointF(5, 11.5), QPointF(10, 16.5), QPointF(15, 11.5)}));
                } else {
                    p.drawPolyline(QPolygonF({QPointF(5, 8.5), QPointF(10, 3.5), QPointF(15, 8.5)}));
                }
                break;
            }
            case 3: {  // mouse
                p.setPen(QPen(c.text, 1.4));
                p.setBrush(QColor(40, 40, 48));
                p.drawRoundedRect(QRectF(5, 2.5, 10, 15), 5, 5);
                p.drawLine(QPointF(5, 8.5), QPointF(15, 8.5));
                p.drawLine(QPointF(10, 2.5), QPointF(10, 8.5));
                p.setPen(Qt::NoPen);
                p.setBrush(c.accent);
                p.drawRoundedRect(QRectF(9, 4, 2, 3), 1, 1);
                break;
            }
            default: {  // delay: stopwatch
                p.setPen(QPen(c.text, 1.5));
                p.setBrush(QColor(34, 34, 40));
                p.drawEllipse(QPointF(10, 11), 7, 7);
                p.drawLine(QPointF(8, 2), QPointF(12, 2));
                p.drawLine(QPointF(10, 2), QPointF(10, 4));
                p.setPen(glyphPen(c.accent, 1.6));
                p.drawLine(QPointF(10, 11), QPointF(10, 6.5));
                p.drawLine(QPointF(10, 11), QPointF(13, 12.5));
                break;
            }
        }
    });
}

QImage checkBox(bool on) {
    const Palette& c = palette();
    return paint(20, 20, [&](QPainter& p) {
        const QPainterPath box = chamfered(QRectF(1.5, 1.5, 17, 17), 4, 1);
        if (on) {
            panel(p, box, c.accent.lighter(115), c.accent.darker(125), c.accent.lighter(150));
            p.setPen(glyphPen(Qt::white, 2.2));
            p.drawPolyline(QPolygonF({QPointF(5.5, 10), QPointF(8.5, 13.5), QPointF(14.5, 6.5)}));
        } else {
            panel(p, box, QColor(22, 22, 27), QColor(34, 34, 41), QColor(96, 96, 108));
        }
    });
}

QImage dpiRadio(bool on) {
    const Palette& c = palette();
    return paint(20, 20, [&](QPainter& p) {
        if (on) glow(p, QPointF(10, 10), 10, withAlpha(c.accent, 110));
        p.setPen(QPen(on ? c.accent : QColor(100, 100, 112), 1.6));
        p.setBrush(QColor(20, 20, 24));
        p.drawEllipse(QPointF(10, 10), 7, 7);
        if (on) {
            p.setPen(Qt::NoPen);
            p.setBrush(c.accent.lighter(120));
            p.drawEllipse(QPointF(10, 10), 3.8, 3.8);
        }
    });
}

// Report rate: a gauge with its needle.
QImage rateIcon() {
    const Palette& c = palette();
    return paint(60, 60, [&](QPainter& p) {
        const QPointF ctr(30, 34);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(60, 60, 70), 5, Qt::SolidLine, Qt::FlatCap));
        p.drawArc(QRectF(6, 10, 48, 48), -30 * 16, 240 * 16);
        p.setPen(QPen(c.accent, 5, Qt::SolidLine, Qt::FlatCap));
        p.drawArc(QRectF(6, 10, 48, 48), 90 * 16, 120 * 16);
        p.setPen(QPen(c.text, 1.4));
        for (int i = 0; i <= 8; ++i) {
            p.save();
            p.translate(ctr);
            p.rotate(-120 + i * 30);
            p.drawLine(QPointF(0, -17), QPointF(0, -14));
            p.restore();
        }
        p.save();
        p.translate(ctr);
        p.rotate(-20);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF({QPointF(-2, 0), QPointF(0, -19), QPointF(2, 0)}));
        p.restore();
        p.setBrush(c.accent);
        p.drawEllipse(ctr, 3.5, 3.5);
    });
}

QImage dialogButtonIcon(bool yes) {
    const Palette& c = palette();
    return paint(30, 30, [&](QPainter& p) {
        p.setPen(QPen(yes ? c.accent : QColor(120, 120, 132), 1.6));
        p.setBrush(QColor(20, 20, 24));
        p.drawEllipse(QPointF(15, 15), 11, 11);
        p.setPen(glyphPen(Qt::white, 2.4));
        if (yes) {
            p.drawPolyline(QPolygonF({QPointF(9.5, 15.5), QPointF(13.5, 19.5), QPointF(20.5, 11)}));
        } else {
            p.drawLine(QPointF(11, 11), QPointF(19, 19));
            p.drawLine(QPointF(19, 11), QPointF(11, 19));
        }
    });
}

}  // namespace

void addIconImages(ImageList& out) {
    using G = std::function<void(QPainter&, const QColor&)>;
    const G importGlyph = [](QPainter& p, const QColor& col) { arrowGlyph(p, col, true); };
    const G exportGlyph = [](QPainter& p, const QColor& col) { arrowGlyph(p, col, false); };
    const struct {
        const char* name;
        G glyph;
        bool withHover;
    } profile[] = {{"profile_import", importGlyph, true}, {"profile_export", exportGlyph, false},
                   {"profile_reset", resetGlyph, true},   {"profile_add", plusGlyph, true},
                   {"profile_del", deleteGlyph, true},    {"profile_copy", copyGlyph, true},
                   {"profile_apply", applyGlyph, false}};
    for (const auto& e : profile) {
        out.append(
            {QStringLiteral("%1%2.png").arg(QLatin1String(e.name)).arg(1), profileIcon(e.glyph, false)});
        if (e.withHover)
            out.append(
                {QStringLiteral("%1%2.png").arg(QLatin1String(e.name)).arg(2), profileIcon(e.glyph, true)});
    }
    // 2/1: generic normal/lit; 4/3: the model family's normal/lit.
    for (int up = 0; up < 2; ++up) {
        const QString base = up ? QStringLiteral("btn_up") : QStringLiteral("btn_down");
        out.append({base + QStringLiteral("1.png"), stepButton(up, 0, true)});
        out.append({base + QStringLiteral("2.png"), stepButton(up, 0, false)});
        out.append({base + QStringLiteral("3.png"), stepButton(up, 1, true)});
        out.append({base + QStringLiteral("4.png"), stepButton(up, 1, false)});
    }
    out.append({QStringLiteral("warn.png"), warnIcon()});
    out.append({QStringLiteral("dongle.png"), dongleIcon(48, false)});
    out.append({QStringLiteral("dongle2.png"), dongleIcon(45, true)});
    out.append({QStringLiteral("lightning.png"), lightning()});
    out.append({QStringLiteral("keybo.png"), rowIcon(0)});
    out.append({QStringLiteral("keydown.png"), rowIcon(1)});
    out.append({QStringLiteral("keyup.png"), rowIcon(2)});
    out.append({QStringLiteral("mouse_move.png"), rowIcon(3)});
    out.append({QStringLiteral("delay.png"), rowIcon(4)});
    out.append({QStringLiteral("checkbox2-1.png"), checkBox(false)});
    out.append({QStringLiteral("checkbox2-2.png"), checkBox(true)});
    out.append({QStringLiteral("DPI-OFF.png"), dpiRadio(false)});
    out.append({QStringLiteral("DPI-ON.png"), dpiRadio(true)});
    out.append({QStringLiteral("rate.png"), rateIcon()});
}

void addEmbeddedImages(ImageList& out) {
    out.append({QStringLiteral("yes_Btn.png"), dialogButtonIcon(true)});
    out.append({QStringLiteral("no_Btn.png"), dialogButtonIcon(false)});
}

}  // namespace skingen
