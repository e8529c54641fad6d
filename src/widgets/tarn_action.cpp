#include "widgets/tarn_action.h"

#include "widgets/ui_context.h"

namespace mousecfg {

TarnAction::TarnAction(const QString& text, QObject* parent) : QAction(parent) {
    setText(text);
}

void TarnAction::setText(const QString& text) {
    text_ = text;
    QAction::setText(text);
    setFont(UiContext::current().font());
}

}  // namespace mousecfg
