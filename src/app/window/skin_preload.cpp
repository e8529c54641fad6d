#include "app/window/skin_preload.h"

#include <condition_variable>
#include <mutex>
#include <thread>
#include <utility>

namespace mousecfg::skinpreload {

namespace {

// QImage and its readers are reentrant: this runs on any thread.
QImage decode(const QString& file) {
    QImage image(file);
    if (!image.isNull())
        image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    return image;
}

// The one decoding begun: its thread hands the image over here and ends.
struct Pending {
    std::mutex mutex;
    std::condition_variable done;
    QString file;
    bool running = false;
    QImage image;
};

Pending& pending() {
    static Pending p;
    return p;
}

}  // namespace

void begin(const QString& file) {
    Pending& p = pending();
    {
        const std::lock_guard<std::mutex> lock(p.mutex);
        if (p.running) return;
        p.file = file;
        p.running = true;
    }
    std::thread([&p, file] {
        QImage image = decode(file);
        const std::lock_guard<std::mutex> lock(p.mutex);
        p.image = std::move(image);
        p.running = false;
        p.done.notify_all();
    }).detach();
}

QImage take(const QString& file) {
    Pending& p = pending();
    std::unique_lock<std::mutex> lock(p.mutex);
    if (p.file != file) {
        lock.unlock();
        return decode(file);
    }
    p.done.wait(lock, [&p] { return !p.running; });
    p.file.clear();
    return std::exchange(p.image, QImage());
}

}  // namespace mousecfg::skinpreload
