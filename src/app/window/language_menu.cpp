#include "app/window/language_menu.h"

#include <QAction>

#include "widgets/language_switcher.h"
#include "widgets/tarn_menu.h"
#include "widgets/tarn_push_button.h"

namespace mousecfg {

LanguageMenu::LanguageMenu(LanguageSwitcher& languages, TarnPushButton* button)
    : QObject(button), languages_(languages), button_(button), menu_(new TarnMenu(button->parentWidget())) {
    for (int i = 0; i < languages.table().usableCount(); ++i) {
        QAction* a = menu_->addAction(languages.table().names[static_cast<size_t>(i)]);
        connect(a, &QAction::triggered, this, [this, i] { languages_.switchTo(i); });
    }
    button_->setMenu(menu_);
    if (!languages.hasChoice()) button_->hide();
    connect(&languages, &LanguageSwitcher::languageChanged, this, &LanguageMenu::showCurrent);
}

void LanguageMenu::showCurrent() {
    button_->setText(languages_.table().names[static_cast<size_t>(languages_.currentIndex())]);
}

void LanguageMenu::applyFont() {
    menu_->applyFont();
}

}  // namespace mousecfg
