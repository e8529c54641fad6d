#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <vector>

class QPainter;

namespace mousecfg {

// An image kept as runs of equal pixels along its rows: for a skin of flat panels and gradients a
// small fraction of the image's memory. It paints the same pixels as drawing the image itself,
// clipped to what needs painting.
class RunImage {
public:
    RunImage() = default;
    explicit RunImage(const QImage& image);

    bool isNull() const { return size_.isEmpty(); }
    QSize size() const { return size_; }
    // The memory the runs take.
    size_t bytes() const { return runs_.capacity() * sizeof(Run) + rowStart_.capacity() * sizeof(quint32); }

    // Paints the part of the image inside `clip` (in image coordinates) with its top-left corner
    // at the painter's origin, source over what is there, as QPainter::drawImage() does.
    void paint(QPainter& painter, const QRect& clip) const;

private:
    struct Run {
        quint16 x;
        quint16 length;
        QRgb pixel;  // premultiplied
    };

    QSize size_;
    std::vector<Run> runs_;
    std::vector<quint32> rowStart_;  // row y's runs are [rowStart_[y], rowStart_[y + 1])
};

}  // namespace mousecfg
