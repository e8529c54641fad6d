#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

// The window's images decoded on a thread of its own, so that the decoding overlaps the rest of
// start-up (settings, profiles, widgets) instead of adding to it. The same thread first loads the
// system's font configuration, which the first caption would otherwise wait for on the GUI
// thread.
namespace mousecfg::skinpreload {

// Starts decoding `files`, in this order, and the alpha mask of `maskedFile` (one of them); called
// once, early, right after the application object exists.
void begin(const QStringList& files, const QString& maskedFile = QString());

// The decoded `file`, in the form the raster paint engine draws and a pixmap keeps (premultiplied
// alpha, or RGB32 without alpha): the begun decoding when it was of `file` (waiting for it to end
// if need be), else decoded here. A null image when the file cannot be read. A file that holds
// several images (an icon) gives the first.
QImage take(const QString& file);
// Every image of `file`, in its order (an icon's sizes), as they were read.
QList<QImage> takeAll(const QString& file);

// The alpha mask of the begun `maskedFile` (waiting for it if need be); a null image for any other
// file or a second take.
QImage takeAlphaMask(const QString& file);

// The mask QPixmap::mask() makes of a picture with alpha: a 1-bit image with the bits set where
// a pixel is not fully transparent.
QImage alphaMask(const QImage& image);

// Waits for the thread; called before the application object goes. What was not taken is
// dropped.
void end();

}  // namespace mousecfg::skinpreload
