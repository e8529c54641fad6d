#pragma once

#include <QColor>
#include <QImage>
#include <QStringList>
#include <QWidget>

#include "temp_data.h"
#include "widgets/ui_context.h"

namespace mousecfg::test {

// Installs a UiContext for one test and puts the previous one back afterwards.
class ScopedUiContext {
public:
    explicit ScopedUiContext(const UiContext& context) : saved_(UiContext::current()) {
        UiContext::install(context);
    }
    ~ScopedUiContext() { UiContext::install(saved_); }
    ScopedUiContext(const ScopedUiContext&) = delete;
    ScopedUiContext& operator=(const ScopedUiContext&) = delete;

private:
    UiContext saved_;
};

// Where the build put the painted skin and the compiled translations.
inline QString builtSkinDir() {
    return QStringLiteral(MOUSECFG_BIN_DIR "/skin");
}
inline QString builtLangDir() {
    return QStringLiteral(MOUSECFG_BIN_DIR "/lang");
}

// Writes one single-colour PNG per colour into `dir` and returns their file names
// ("state0.png", ...), so a test can tell from a pixel which image a widget drew.
QStringList writeStateImages(const QString& dir, const QList<QColor>& colours, QSize size = QSize(40, 20));

// The colour the widget paints at `at` (rendered through QWidget::grab).
QColor pixelAt(QWidget& widget, QPoint at);

// Writes the language table of the installation into Configs/Config.ini below `data` and copies
// the built .qm files into its lang/ folder.
void writeLanguageTable(const TempData& data, int count);

}  // namespace mousecfg::test
