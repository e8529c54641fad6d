#include "app/window/mouse_selector.h"

#include "app/session/window_session.h"
#include "widgets/tarn_menu.h"
#include "widgets/tarn_push_button.h"
#include "widgets/ui_context.h"

namespace mousecfg {

MouseSelector::MouseSelector(WindowSession& session, TarnPushButton* button)
    : QObject(button), session_(session), button_(button) {
    button_->hide();
    connect(&session, &WindowSession::mouseNamesChanged, this, &MouseSelector::showNames);
}

void MouseSelector::showNames(const QStringList& names, const QString& current) {
    delete menu_;
    menu_ = new TarnMenu(button_->parentWidget());
    for (const QString& n : names) menu_->addAction(n);
    if (names.size() < 2) {
        button_->hide();
        button_->setMenu(nullptr);
        return;
    }
    connect(menu_, &QMenu::triggered, this, [this](QAction* a) { session_.switchToMouse(a->text()); });
    button_->setMenu(menu_);
    button_->setText(current);
    menu_->setFixedWidth(UiContext::current().scaled(150));
    menu_->applyFont();
    button_->show();
}

void MouseSelector::applyFont() {
    if (menu_) menu_->applyFont();
}

}  // namespace mousecfg
