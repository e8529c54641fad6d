#include "widgets/tarn_label.h"

#include <QMouseEvent>
#include <QPainter>

#include "widgets/ui_context.h"

namespace mousecfg {

TarnLabel::TarnLabel(QWidget* parent) : QLabel(parent) {}

void TarnLabel::setText(const QString& text) {
    text_ = text;
    QLabel::setText(text);
    update();
}

void TarnLabel::setNumber(int number) {
    setText(QString::asprintf("%d", number));
}

void TarnLabel::setAlignment(Qt::Alignment alignment) {
    alignment_ = alignment;
    QLabel::setAlignment(alignment);
    update();
}

void TarnLabel::setFillColour(const QColor& colour) {
    fill_ = colour;
    update();
}

void TarnLabel::setTextColour(const QColor& colour) {
    textColour_ = colour;
    update();
}

void TarnLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (fill_.isValid()) p.fillRect(rect(), fill_);
    if (text_.isEmpty()) return;
    p.setFont(UiContext::current().font());
    p.setPen(textColour_);
    p.drawText(rect(), static_cast<int>(alignment_) | (wordWrap() ? Qt::TextWordWrap : 0), text_);
}

void TarnLabel::mousePressEvent(QMouseEvent* event) {
    Q_EMIT EnterSignal(this);
    QLabel::mousePressEvent(event);
}

}  // namespace mousecfg
