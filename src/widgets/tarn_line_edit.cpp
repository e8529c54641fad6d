#include "widgets/tarn_line_edit.h"

#include "widgets/ui_context.h"

namespace mousecfg {

TarnLineEdit::TarnLineEdit(QWidget* parent) : QLineEdit(parent) {
    setFont(UiContext::current().font());
}

void TarnLineEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    Q_EMIT tarnLostFocus();
}

}  // namespace mousecfg
