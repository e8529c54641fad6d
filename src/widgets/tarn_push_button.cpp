#include "widgets/tarn_push_button.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include "widgets/ui_context.h"

namespace mousecfg {

namespace {
constexpr int kTextMargin = 5;  // free pixels left and right of an elided caption
}

TarnPushButton::TarnPushButton(const QStringList& imagePaths, QWidget* parent, const QString& iconPath)
    : QPushButton(parent) {
    const UiContext& ui = UiContext::current();
    for (const QString& path : imagePaths) images_.append(QPixmap(ui.skinPath(path)));
    if (!iconPath.isEmpty()) icon_ = QPixmap(ui.skinPath(iconPath));
    if (ui.colorMode != 0) {
        textColours_ = {QColor(Qt::white), QColor(Qt::black), QColor(Qt::black), QColor(100, 100, 100)};
    } else {
        textColours_ = {QColor(200, 200, 200), QColor(225, 225, 225), QColor(Qt::white),
                        QColor(100, 100, 100)};
    }
    setFlat(true);
    setAttribute(Qt::WA_Hover, true);
}

void TarnPushButton::setText(const QString& text) {
    QPushButton::setText(text);
    setToolTip(text);
    update();
}

QString TarnPushButton::displayText() const {
    const QFontMetrics fm(UiContext::current().font());
    const int room = (verticalText_ ? height() : textRect().width()) - 2 * kTextMargin;
    return fm.elidedText(QPushButton::text(), Qt::ElideRight, qMax(0, room));
}

QRect TarnPushButton::textRect() const {
    const int reserve = qBound(0, UiContext::current().scaled(textReserveRight_), width());
    return rect().adjusted(0, 0, -reserve, 0);
}

void TarnPushButton::setTextReserveRight(int designPixels) {
    textReserveRight_ = qMax(0, designPixels);
    update();
}

void TarnPushButton::setSelectable(bool selectable) {
    selectable_ = selectable;
    if (selectable_ && checked_) setState(Hover);
}

void TarnPushButton::setCheckedState(bool checked) {
    checked_ = checked;
    setState(checked ? Hover : Normal);
}

void TarnPushButton::setButtonEnabled(bool enabled) {
    applyEnabled(enabled);
    QPushButton::setEnabled(enabled);
}

void TarnPushButton::applyEnabled(bool enabled) {
    enabled_ = enabled;
    int s = enabled ? Normal : Disabled;
    if (selectable_ && checked_) s = Hover;
    setState(s);
}

void TarnPushButton::setSwatch(bool on, const QColor& colour, bool round) {
    swatch_ = on;
    swatchColour_ = colour;
    roundSwatch_ = round;
    update();
}

void TarnPushButton::setVerticalText(bool vertical) {
    verticalText_ = vertical;
    update();
}

int TarnPushButton::imageIndex() const {
    if (images_.size() <= 1) return 0;
    return state_ < images_.size() ? state_ : 0;
}

QSize TarnPushButton::sizeHint() const {
    if (!icon_.isNull()) return icon_.size();
    if (!images_.isEmpty() && !images_.first().isNull()) return images_.first().size();
    return QPushButton::sizeHint();
}

void TarnPushButton::setState(int state) {
    state_ = state;
    update();
}

void TarnPushButton::enterEvent(QEvent* event) {
    QPushButton::enterEvent(event);
    if (!enabled_) return;
    Q_EMIT OverSignal(this, true);
    setState(images_.size() >= 2 ? Hover : Normal);
}

void TarnPushButton::leaveEvent(QEvent* event) {
    QPushButton::leaveEvent(event);
    if (!enabled_) return;
    if (hoverArmed_) Q_EMIT OverSignal(this, false);
    hoverArmed_ = true;
    setState((selectable_ && checked_) ? Hover : Normal);
}

void TarnPushButton::mousePressEvent(QMouseEvent* event) {
    if (!enabled_) return;
    if (event->button() == Qt::LeftButton) {
        const bool wasChecked = checked_;
        checked_ = !checked_;
        if (images_.size() > 2) setState(wasChecked ? Normal : Pressed);
        Q_EMIT EnterSignal(this);
        hoverArmed_ = false;
    }
    QPushButton::mousePressEvent(event);
}

void TarnPushButton::mouseReleaseEvent(QMouseEvent* event) {
    if (!enabled_) return;
    if (event->button() == Qt::LeftButton && images_.size() > 1) setState(Hover);
    QPushButton::mouseReleaseEvent(event);
}

void TarnPushButton::changeEvent(QEvent* event) {
    // Keep the own flag in step when the widget is enabled or disabled some other way (for
    // example through a parent).
    if (event->type() == QEvent::EnabledChange && isEnabled() != enabled_) applyEnabled(isEnabled());
    QPushButton::changeEvent(event);
}

void TarnPushButton::paintEvent(QPaintEvent*) {
    const UiContext& ui = UiContext::current();
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect r = rect();

    if (swatch_) {
        QColor fill = swatchColour_;
        // Hover and press mix the theme colour in, at a half and a third.
        const double mix = state_ == Hover ? 0.5 : state_ == Pressed ? 1.0 / 3.0 : 0.0;
        if (mix > 0.0) {
            fill = QColor::fromRgbF(fill.redF() * (1 - mix) + ui.theme.redF() * mix,
                                    fill.greenF() * (1 - mix) + ui.theme.greenF() * mix,
                                    fill.blueF() * (1 - mix) + ui.theme.blueF() * mix);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        if (roundSwatch_) {
            p.drawEllipse(r.adjusted(1, 1, -1, -1));
        } else {
            p.drawRect(r);
        }
    } else if (!images_.isEmpty()) {
        const QPixmap& img = images_[imageIndex()];
        if (!img.isNull()) p.drawPixmap(r, img);
    }
    if (!icon_.isNull()) {
        const QSize s = icon_.size().scaled(r.size(), Qt::KeepAspectRatio);
        p.drawPixmap(
            QRect(QPoint(r.center().x() - s.width() / 2 + 1, r.center().y() - s.height() / 2 + 1), s), icon_);
    }
    if (QPushButton::text().isEmpty()) return;

    p.setFont(ui.font());
    p.setPen(textColours_[state_]);
    const QString shown = displayText();
    if (verticalText_) {
        p.translate(r.center());
        p.rotate(-90);
        const QRect tr(-r.height() / 2, -r.width() / 2, r.height(), r.width());
        p.drawText(tr, Qt::AlignCenter, shown);
    } else {
        p.drawText(textRect(), Qt::AlignCenter, shown);
    }
}

}  // namespace mousecfg
