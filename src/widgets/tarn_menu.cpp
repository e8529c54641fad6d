#include "widgets/tarn_menu.h"

#include "widgets/ui_context.h"

namespace mousecfg {

TarnMenu::TarnMenu(QWidget* parent) : QMenu(parent) {
    setStyleSheet(styleSheetText());
    applyFont();
}

QString TarnMenu::styleSheetText() {
    return QStringLiteral(
        "QMenu{background-color:rgb(50,50,50);border:none;}"
        "QMenu::item{background-color:rgb(50,50,50);color:white;border:none;"
        "padding:4px 20px 4px 20px;}"
        "QMenu::item:selected{background-color:rgb(150,150,150);}"
        "QMenu::item:pressed{background-color:rgb(200,200,200);}");
}

void TarnMenu::setText(const QString& text) {
    text_ = text;
    setTitle(text);
}

void TarnMenu::applyFont() {
    setFont(UiContext::current().font());
}

}  // namespace mousecfg
