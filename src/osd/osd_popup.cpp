#include "osd/osd_popup.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

Q_DECLARE_LOGGING_CATEGORY(lcOsd)

namespace mousecfg::osd {

namespace {

constexpr int kPadding = 24;
constexpr int kRadius = 16;
const QColor kBackground(20, 20, 20, 190);

// A tool tip is what X11 and Windows show above everything without a frame and without ever
// activating it. Wayland makes tool tips popups of another window, which the display does not
// have; there it is a frameless tool window instead.
Qt::WindowFlags popupFlags() {
    const Qt::WindowFlags type =
        QGuiApplication::platformName().startsWith(QLatin1String("wayland")) ? Qt::Tool : Qt::ToolTip;
    return type | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus |
           Qt::WindowTransparentForInput;
}

}  // namespace

OsdPopup::OsdPopup(QWidget* parent) : QWidget(parent, popupFlags()) {
    setObjectName(QStringLiteral("osdPopup"));
    setWindowTitle(windowTitle());
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hideTimer_.setSingleShot(true);
    hideTimer_.setObjectName(QStringLiteral("osdHideTimer"));
    connect(&hideTimer_, &QTimer::timeout, this, &QWidget::hide);
}

QFont OsdPopup::textFont() const {
    QFont f(message_.fontFamily);
    f.setPixelSize(message_.textSize);
    f.setBold(true);
    return f;
}

void OsdPopup::showMessage(const OsdMessage& message) {
    message_ = message;
    const QFontMetrics metrics(textFont());
    const QSize size(metrics.horizontalAdvance(message_.text) + 2 * kPadding,
                     metrics.height() + 2 * kPadding);
    resize(size);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center().x() - size.width() / 2, area.bottom() - area.height() / 6 - size.height());
    }
    show();
    update();
    hideTimer_.start(message_.durationMs);
    qCDebug(lcOsd) << "shown:" << message_.text;
}

void OsdPopup::paintEvent(QPaintEvent* event) {
    Q_UNUSED(event);
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(rect(), Qt::transparent);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    QPainterPath frame;
    frame.addRoundedRect(QRectF(rect()), kRadius, kRadius);
    p.fillPath(frame, kBackground);
    p.setFont(textFont());
    p.setPen(textColour());
    p.drawText(rect(), Qt::AlignCenter, message_.text);
}

}  // namespace mousecfg::osd
