#include "widgets/tarn_processbar.h"

#include <QPainter>

#include "widgets/ui_context.h"

namespace mousecfg {

TarnProcessbar::TarnProcessbar(QWidget* parent) : QProgressBar(parent) { applyFont(); }

void TarnProcessbar::setText(const QString& text) {
    text_ = text;
    update();
}

void TarnProcessbar::applyFont() {
    QFont f = UiContext::current().font();
    f.setBold(true);
    setFont(f);
}

void TarnProcessbar::paintEvent(QPaintEvent* event) {
    QProgressBar::paintEvent(event);
    if (isTextVisible() || text_.isEmpty()) return;
    QPainter p(this);
    p.setFont(font());
    p.setPen(Qt::white);
    p.drawText(rect(), Qt::AlignCenter, text_);
}

}  // namespace mousecfg
