#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>

class QPainter;
class QToolButton;
class QWidget;

namespace mousecfg {

// Pieces shared by the skinned dialogs (message box, pop box, and the pages' own dialogs).
namespace dialogframe {

// Makes the compiled-in images (":/yes_Btn", ":/no_Btn", ":/skin/loading.gif") available. The
// resources live in a static library, so they are registered on first use; calling it again is
// harmless.
void ensureResources();

// The background image stretched over `size`, then a 2-pixel frame in `theme` one pixel inside
// the edge.
void paint(QPainter& painter, const QSize& size, const QPixmap& background, const QColor& theme);

// The style sheet of the dialogs' confirm and cancel buttons, with the theme colour filled in.
QString buttonStyleSheet(const QColor& theme);

// Confirm ("msgBoxYesBtn", icon ":/yes_Btn", text only) or cancel ("msgBoxNoBtn", icon
// ":/no_Btn", text beside the icon) button, 100 x 30 (times the scale), without keyboard focus.
QToolButton* makeConfirmButton(QWidget* parent);
QToolButton* makeCancelButton(QWidget* parent);

}  // namespace dialogframe
}  // namespace mousecfg
