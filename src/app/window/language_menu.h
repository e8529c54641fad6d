#pragma once

#include <QObject>

namespace mousecfg {

class LanguageSwitcher;
class TarnMenu;
class TarnPushButton;

// The language button and its drop-down of the installation's languages (hidden below two). The
// button names the language whose translation is installed.
class LanguageMenu : public QObject {
    Q_OBJECT
public:
    LanguageMenu(LanguageSwitcher& languages, TarnPushButton* button);

    void showCurrent();
    void applyFont();

private:
    LanguageSwitcher& languages_;
    TarnPushButton* button_;
    TarnMenu* menu_;
};

}  // namespace mousecfg
