#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

namespace mousecfg {

class Paths;

// What every skinned widget needs to know about the running program: where the skin images are,
// the theme colour, the interface scale factor, the current language and its font, and the
// colour scheme of the descriptor.
//
// The program holds exactly one current context (UiContext::current()). It is the only mutable
// process-wide state of the widget kit: the application installs it once after reading its
// settings and again when the language, the theme or the scale changes; tests install their own.
// It is read on the GUI thread only.
struct UiContext {
    QString skinDir;          // folder of the skin images, no trailing slash
    QColor theme{255, 0, 0};  // "Config/GColorID" entry
    double scale = 1.0;       // 1.0 + 0.25 * level
    int languageIndex = 0;    // current language of the language table
    QString fontFamily;       // "FONT_LIST/FONT_<languageIndex>"
    int fontPixelSize = 12;   // "FONT_LIST/FONT_SIZE_<languageIndex>", before scaling
    int colorMode = 0;        // descriptor "PROFILE/ColorMode"

    // Reads the theme colour, the colour scheme and the font of `languageIndex` from the files
    // below `paths`; the skin folder is the installation's skin/.
    static UiContext fromPaths(const Paths& paths, int languageIndex, double scale = 1.0);

    // Re-reads the font of another language (after a language switch).
    void setLanguage(const Paths& paths, int index);

    // An image path as given to a widget: absolute paths and resources (":/...") stay as they
    // are, anything else is taken relative to the skin folder. Empty stays empty.
    QString skinPath(const QString& path) const;

    // The language font with its pixel size multiplied by the scale factor (truncated). A
    // missing size falls back to 12 pixels, a missing family to the toolkit's default.
    QFont font() const;
    // Design length times the scale factor, truncated toward zero.
    int scaled(int designLength) const { return static_cast<int>(designLength * scale); }
    // A design rectangle with every coordinate scaled that way.
    QRect scaledRect(int x, int y, int width, int height) const {
        return QRect(scaled(x), scaled(y), scaled(width), scaled(height));
    }

    static const UiContext& current();
    static void install(const UiContext& context);
};

}  // namespace mousecfg
