#include "app/window/run_image.h"

#include <QPainter>
#include <algorithm>

namespace mousecfg {

RunImage::RunImage(const QImage& image) {
    // Runs of at most 65535 pixels in rows of at most as many: beyond that, no image.
    if (image.isNull() || image.width() > 0xFFFF) return;
    const QImage source = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    size_ = source.size();
    rowStart_.reserve(static_cast<size_t>(size_.height()) + 1);
    for (int y = 0; y < size_.height(); ++y) {
        rowStart_.push_back(static_cast<quint32>(runs_.size()));
        const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < size_.width();) {
            int end = x + 1;
            while (end < size_.width() && line[end] == line[x]) ++end;
            runs_.push_back({static_cast<quint16>(x), static_cast<quint16>(end - x), line[x]});
            x = end;
        }
    }
    rowStart_.push_back(static_cast<quint32>(runs_.size()));
    runs_.shrink_to_fit();
}

void RunImage::paint(QPainter& painter, const QRect& clip) const {
    const QRect area = clip & QRect(QPoint(), size_);
    if (area.isEmpty()) return;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const Run* first = runs_.data() + rowStart_[static_cast<size_t>(y)];
        const Run* last = runs_.data() + rowStart_[static_cast<size_t>(y) + 1];
        // The run the clip's left edge falls in, then the runs up to its right edge.
        const Run* run =
            std::upper_bound(first, last, area.left(), [](int x, const Run& r) { return x < r.x; }) - 1;
        for (; run < last && run->x <= area.right(); ++run) {
            const int from = std::max<int>(run->x, area.left());
            const int to = std::min<int>(run->x + run->length - 1, area.right());
            const int alpha = qAlpha(run->pixel);
            if (alpha == 0) continue;  // source over a transparent pixel leaves what is there
            if (alpha == 255) {
                painter.fillRect(QRect(from, y, to - from + 1, 1), QColor::fromRgb(run->pixel));
            } else {
                // Blended by the same path that draws the image.
                QImage part(to - from + 1, 1, QImage::Format_ARGB32_Premultiplied);
                part.fill(run->pixel);
                painter.drawImage(from, y, part);
            }
        }
    }
}

}  // namespace mousecfg
