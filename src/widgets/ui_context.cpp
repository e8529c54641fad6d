#include "widgets/ui_context.h"

#include <QDir>

#include "storage/app_settings.h"
#include "storage/languages.h"
#include "storage/paths.h"
#include "storage/product_descriptor.h"

namespace mousecfg {

namespace {
constexpr int kFallbackPixelSize = 12;

UiContext& currentContext() {
    static UiContext context;
    return context;
}
}  // namespace

UiContext UiContext::fromPaths(const Paths& paths, int languageIndex, double scale) {
    UiContext c;
    c.skinDir = paths.skinDir();
    c.theme = appsettings::loadThemeColour(paths);
    c.scale = scale;
    c.colorMode = loadColorMode(paths);
    c.setLanguage(paths, languageIndex);
    return c;
}

void UiContext::setLanguage(const Paths& paths, int index) {
    languageIndex = index;
    const languages::LanguageFont f = languages::loadLanguageFont(paths, index);
    fontFamily = f.family;
    fontPixelSize = f.pixelSize > 0 ? f.pixelSize : kFallbackPixelSize;
}

QString UiContext::skinPath(const QString& path) const {
    if (path.isEmpty() || path.startsWith(QLatin1Char(':')) || QDir::isAbsolutePath(path)) return path;
    return skinDir + QLatin1Char('/') + path;
}

QFont UiContext::font() const {
    QFont f;
    if (!fontFamily.isEmpty()) f.setFamily(fontFamily);
    f.setPixelSize(qMax(1, static_cast<int>(fontPixelSize * scale)));
    return f;
}

const UiContext& UiContext::current() {
    return currentContext();
}

void UiContext::install(const UiContext& context) {
    currentContext() = context;
}

}  // namespace mousecfg
