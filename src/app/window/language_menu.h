#pragma once

#include <QObject>

namespace mousecfg {

class LanguageSwitcher;
class TarnMenu;
class TarnPushButton;

// The language button and its drop-down of the installation's languages (hidden below two). The
// button names the language whose translation is installed; a choice whose translation does not
// load leaves the button as it was and is reported through switchFailed().
class LanguageMenu : public QObject {
    Q_OBJECT
public:
    LanguageMenu(LanguageSwitcher& languages, TarnPushButton* button);

    void showCurrent();
    void applyFont();

Q_SIGNALS:
    // The chosen language's translation did not load: the language in use stays.
    void switchFailed(const QString& languageName);

private:
    LanguageSwitcher& languages_;
    TarnPushButton* button_;
    TarnMenu* menu_;
};

}  // namespace mousecfg
