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
    std::unique_ptr<QTranslator> translator = load(current_);
    if (!translator) return false;
    install(std::move(translator));
    return true;
}

bool LanguageSwitcher::switchTo(int index) {
    if (index < 0 || index >= table_.usableCount()) return false;
    // Loaded into a fresh translator first: a file that fails to load must not replace the
    // translation, the font or the stored choice in use now.
    std::unique_ptr<QTranslator> candidate = load(index);
    if (!candidate) return false;
    // The font follows before the translation is installed, so widgets that re-read it on the
    // toolkit's LanguageChange event get the new one.
    current_ = index;
    updateContext();
    install(std::move(candidate));
    languages::saveLanguageId(paths_, index);
    // The toolkit posts LanguageChange to every window; deliver it now so every widget shows the
    // new language before the caller lays the window out again.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    Q_EMIT languageChanged(index);
    return true;
}

std::unique_ptr<QTranslator> LanguageSwitcher::load(int index) const {
    const QString file = languages::translationFile(paths_, table_, index);
    auto candidate = std::make_unique<QTranslator>();
    if (file.isEmpty() || !candidate->load(file)) {
        qCDebug(lcWidgets) << "cannot load translation" << file;
        return nullptr;
    }
    return candidate;
}

void LanguageSwitcher::install(std::unique_ptr<QTranslator> candidate) {
    if (translator_) {
        QCoreApplication::removeTranslator(translator_);
        delete translator_;
    }
    translator_ = candidate.release();
    translator_->setParent(this);
    installed_ = QCoreApplication::installTranslator(translator_);
}

void LanguageSwitcher::updateContext() {
    UiContext ui = UiContext::current();
    ui.setLanguage(paths_, current_);
    UiContext::install(ui);
}

}  // namespace mousecfg
