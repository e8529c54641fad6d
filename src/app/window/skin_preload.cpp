#include "app/window/skin_preload.h"

#include <QColor>
#include <QFontDatabase>
#include <QImageReader>
#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>
#include <utility>

namespace mousecfg::skinpreload {

namespace {

// QImage and its readers are reentrant: this runs on any thread.
QList<QImage> decodeAll(const QString& file) {
    QList<QImage> images;
    QImageReader reader(file);
    QImage image;
    while (reader.read(&image)) {
        images.append(image);
        if (!reader.jumpToNextImage()) break;
    }
    return images;
}

QImage drawable(QImage image) {
    if (!image.isNull())
        image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    return image;
}

// The one preload begun: its thread hands each file's images over here as they are done.
struct Pending {
    std::mutex mutex;
    std::condition_variable done;
    std::thread thread;
    QStringList waiting;  // begun, not decoded yet
    std::map<QString, QList<QImage>> decoded;
    QString maskedFile;
    QImage mask;
};

Pending& pending() {
    static Pending p;
    return p;
}

// The images of `file`: the preloaded ones (waiting for them if need be), else none and false.
bool takePreloaded(const QString& file, QList<QImage>& out) {
    Pending& p = pending();
    std::unique_lock<std::mutex> lock(p.mutex);
    p.done.wait(lock, [&] { return !p.waiting.contains(file); });
    const auto it = p.decoded.find(file);
    if (it == p.decoded.end()) return false;
    out = std::move(it->second);
    p.decoded.erase(it);
    return true;
}

}  // namespace

QImage alphaMask(const QImage& image) {
    if (image.isNull() || !image.hasAlphaChannel()) return QImage();
    const QImage argb =
        image.format() == QImage::Format_ARGB32 || image.format() == QImage::Format_ARGB32_Premultiplied
            ? image
            : image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage mask(argb.size(), QImage::Format_MonoLSB);
    if (mask.isNull()) return QImage();
    mask.setColorCount(2);
    mask.setColor(0, QColor(Qt::color0).rgba());
    mask.setColor(1, QColor(Qt::color1).rgba());
    mask.fill(0);
    for (int y = 0; y < argb.height(); ++y) {
        const QRgb* src = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        uchar* dest = mask.scanLine(y);
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(src[x]) > 0) dest[x >> 3] |= static_cast<uchar>(1 << (x & 7));
    }
    return mask;
}

void begin(const QStringList& files, const QString& maskedFile) {
    Pending& p = pending();
    {
        const std::lock_guard<std::mutex> lock(p.mutex);
        if (p.thread.joinable()) return;
        p.waiting = files;
        p.maskedFile = maskedFile;
    }
    p.thread = std::thread([&p, files, maskedFile] {
        // Fontconfig's start (reading its configuration and caches) happens once per process,
        // under Qt's font database lock: here it overlaps the window's construction.
        QFontDatabase().families();
        for (const QString& file : files) {
            QList<QImage> images = decodeAll(file);
            // A single picture is made drawable here; an icon's sizes stay as read.
            if (images.size() == 1) images.first() = drawable(std::move(images.first()));
            const QImage mask = file == maskedFile ? alphaMask(images.value(0)) : QImage();
            const std::lock_guard<std::mutex> lock(p.mutex);
            if (file == maskedFile) p.mask = mask;
            p.decoded[file] = std::move(images);
            p.waiting.removeOne(file);
            p.done.notify_all();
        }
    });
}

QImage take(const QString& file) {
    QList<QImage> images;
    if (!takePreloaded(file, images)) return drawable(QImage(file));
    return drawable(images.value(0));
}

QList<QImage> takeAll(const QString& file) {
    QList<QImage> images;
    if (!takePreloaded(file, images)) images = decodeAll(file);
    return images;
}

QImage takeAlphaMask(const QString& file) {
    Pending& p = pending();
    std::unique_lock<std::mutex> lock(p.mutex);
    if (file.isEmpty() || file != p.maskedFile) return QImage();
    p.done.wait(lock, [&] { return !p.waiting.contains(file); });
    p.maskedFile.clear();
    return std::exchange(p.mask, QImage());
}

void end() {
    Pending& p = pending();
    if (p.thread.joinable()) p.thread.join();
    const std::lock_guard<std::mutex> lock(p.mutex);
    p.waiting.clear();
    p.decoded.clear();
    p.maskedFile.clear();
    p.mask = QImage();
}

}  // namespace mousecfg::skinpreload
