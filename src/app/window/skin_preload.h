#pragma once

#include <QImage>
#include <QString>

// The window's background decoded on a thread of its own, so that the decoding overlaps the rest
// of start-up (settings, profiles, widgets) instead of adding to it.
namespace mousecfg::skinpreload {

// Starts decoding `file`; called once, early, right after the application object exists.
void begin(const QString& file);

// The decoded `file`, in the form the raster paint engine draws and a pixmap keeps (premultiplied
// alpha, or RGB32 without alpha): the begun decoding when it was of `file` (waiting for it to end
// if need be), else decoded here. A null image when the file cannot be read.
QImage take(const QString& file);

}  // namespace mousecfg::skinpreload
