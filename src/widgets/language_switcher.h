#pragma once

#include <QObject>
#include <memory>

#include "storage/languages.h"
#include "storage/paths.h"

class QTranslator;

namespace mousecfg {

// Owns the program's translation: reads the language table and the stored choice, installs the
// translation of the current language at start-up and switches languages on request. Keeps the
// current UiContext's language (and so its font) in step.
class LanguageSwitcher : public QObject {
    Q_OBJECT

public:
    explicit LanguageSwitcher(const Paths& paths, QObject* parent = nullptr);
    ~LanguageSwitcher() override;

    // Start-up: reads "Config/LangID" and the table and installs the current language's file
    // when it loads. Returns true when installed. A stored index outside the table's languages
    // falls back to language 0.
    bool loadAtStartup();

    // Switches to language `index` (one of the table's languages). When its file loads, the
    // index becomes current and is written to LangConfig.ini, the translation is installed,
    // every widget has received its LanguageChange event when this returns, and
    // languageChanged() is emitted. A file that does not load changes nothing: the language in
    // use stays, with its font and its stored index. Returns false then, and for an index
    // outside the table.
    bool switchTo(int index);

    int currentIndex() const { return current_; }
    const languages::LanguageTable& table() const { return table_; }
    // True when the language menu makes sense (two languages or more).
    bool hasChoice() const { return table_.usableCount() > 1; }
    bool isInstalled() const { return installed_; }

Q_SIGNALS:
    // A new translation is installed: re-set every caption and font.
    void languageChanged(int index);

private:
    std::unique_ptr<QTranslator> load(int index) const;
    void install(std::unique_ptr<QTranslator> translator);
    void updateContext();

    Paths paths_;
    languages::LanguageTable table_;
    QTranslator* translator_ = nullptr;
    int current_ = 0;
    bool installed_ = false;
};

}  // namespace mousecfg
