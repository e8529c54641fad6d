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

// Starts decoding `files`, in this order; called once, early, right after the application object
// exists.
void begin(const QStringList& files);

// The decoded `file`, in the form the raster paint engine draws and a pixmap keeps (premultiplied
// alpha, or RGB32 without alpha): the begun decoding when it was of `file` (waiting for it to end
// if need be), else decoded here. A null image when the file cannot be read. A file that holds
// several images (an icon) gives the first.
QImage take(const QString& file);
// Every image of `file`, in its order (an icon's sizes), as they were read.
QList<QImage> takeAll(const QString& file);

// Waits for the thread; called before the application object goes. What was not taken is
// dropped.
void end();

}  // namespace mousecfg::skinpreload
