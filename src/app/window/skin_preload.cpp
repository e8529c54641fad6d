#include "app/window/skin_preload.h"

#include <future>
#include <mutex>

namespace mousecfg::skinpreload {

namespace {

struct Pending {
    std::mutex mutex;
    QString file;
    std::future<QImage> image;
};

Pending& pending() {
    static Pending p;
    return p;
}

// QImage and its readers are reentrant: this runs on any thread.
QImage decode(const QString& file) {
    const QImage image(file);
    if (image.isNull()) return image;
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                         : QImage::Format_RGB32);
}

}  // namespace

void begin(const QString& file) {
    Pending& p = pending();
    const std::lock_guard<std::mutex> lock(p.mutex);
    p.file = file;
    p.image = std::async(std::launch::async, decode, file);
}

QImage take(const QString& file) {
    std::future<QImage> image;
    {
        Pending& p = pending();
        const std::lock_guard<std::mutex> lock(p.mutex);
        if (p.file == file && p.image.valid()) {
            image = std::move(p.image);
            p.file.clear();
        }
    }
    return image.valid() ? image.get() : decode(file);
}

}  // namespace mousecfg::skinpreload
