#include "widgets/language_switcher.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTranslator>

#include "widgets/ui_context.h"
#include "widgets/widgets_log.h"

namespace mousecfg {

LanguageSwitcher::LanguageSwitcher(const Paths& paths, QObject* parent) : QObject(parent), paths_(paths) {}

LanguageSwitcher::~LanguageSwitcher() {
    if (translator_ && installed_) QCoreApplication::removeTranslator(translator_);
    delete translator_;
}

bool LanguageSwitcher::loadAtStartup() {
    table_ = languages::loadLanguageTable(paths_);
    const int stored = languages::loadLanguageId(paths_);
    current_ = languages::effectiveLanguageId(stored, table_);
    if (current_ != stored)
        qCDebug(lcWidgets) << "stored language" << stored << "is not offered, using" << current_;
    updateContext();
    if (!hasChoice()) return false;
    return loadAndInstall(current_);
}

bool LanguageSwitcher::switchTo(int index) {
    if (index < 0 || index >= table_.usableCount()) return false;
    // The font follows before the translation is installed, so widgets that re-read it on the
    // toolkit's LanguageChange event get the new one.
    current_ = index;
    updateContext();
    const bool loaded = loadAndInstall(index);
    // Written even when the file did not load, so the next start tries this language again.
    languages::saveLanguageId(paths_, index);
    if (loaded) {
        // The toolkit posts LanguageChange to every window; deliver it now so every widget shows
        // the new language before the caller lays the window out again.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        Q_EMIT languageChanged(index);
    }
    return loaded;
}

bool LanguageSwitcher::loadAndInstall(int index) {
    const QString file = languages::translationFile(paths_, table_, index);
    // Load into a fresh translator first: a file that fails to load must not empty the
    // translation that is installed now.
    auto* candidate = new QTranslator(this);
    if (file.isEmpty() || !candidate->load(file)) {
        qCDebug(lcWidgets) << "cannot load translation" << file;
        delete candidate;
        return false;
    }
    if (translator_) {
        QCoreApplication::removeTranslator(translator_);
        delete translator_;
    }
    translator_ = candidate;
    installed_ = QCoreApplication::installTranslator(translator_);
    return true;
}

void LanguageSwitcher::updateContext() {
    UiContext ui = UiContext::current();
    ui.setLanguage(paths_, current_);
    UiContext::install(ui);
}

}  // namespace mousecfg
