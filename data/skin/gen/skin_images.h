#pragma once

#include <QImage>
#include <QString>
#include <QVector>

namespace skingen {

struct NamedImage {
    QString path;  // relative to the output folder
    QImage image;
};
using ImageList = QVector<NamedImage>;

// Window background, title-bar buttons, tabs, drop-down buttons, battery frames, dialog
// backgrounds, progress panel.
void addFrameImages(ImageList& out);
// Small icons: profile bar, up/down, message-box icons, status icons, macro rows, check boxes,
// DPI stage radio, report rate, dialog buttons.
void addIconImages(ImageList& out);
// The compiled-in dialog button icons yes_Btn.png and no_Btn.png.
void addEmbeddedImages(ImageList& out);
// The product pictures of one product: <name>/Mouse.png, <name>/mouse_<n>.png, <name>_Side.png.
void addProductImages(ImageList& out, const QString& product);

// The application icon at one size.
QImage appIcon(int size);
// Frame `i` of `count` of the busy animation (the process panel with a spinner).
QImage loadingFrame(int i, int count);

// Number of highlighted button pictures made per product.
constexpr int kProductButtons = 10;

}  // namespace skingen
