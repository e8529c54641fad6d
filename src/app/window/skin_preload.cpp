#include "app/window/skin_preload.h"

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

void begin(const QStringList& files) {
    Pending& p = pending();
    {
        const std::lock_guard<std::mutex> lock(p.mutex);
        if (p.thread.joinable()) return;
        p.waiting = files;
    }
    p.thread = std::thread([&p, files] {
        // Fontconfig's start (reading its configuration and caches) happens once per process,
        // under Qt's font database lock: here it overlaps the window's construction.
        QFontDatabase().families();
        for (const QString& file : files) {
            QList<QImage> images = decodeAll(file);
            // A single picture is made drawable here; an icon's sizes stay as read.
            if (images.size() == 1) images.first() = drawable(std::move(images.first()));
            const std::lock_guard<std::mutex> lock(p.mutex);
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

void end() {
    Pending& p = pending();
    if (p.thread.joinable()) p.thread.join();
    const std::lock_guard<std::mutex> lock(p.mutex);
    p.waiting.clear();
    p.decoded.clear();
}

}  // namespace mousecfg::skinpreload
