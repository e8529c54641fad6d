#pragma once

#include <QColor>
#include <QTimer>
#include <QWidget>

#include "osd/osd_record.h"

namespace mousecfg::osd {

// The text on screen: a frameless, translucent window above all others that never takes the
// focus or the mouse, centred low on the primary screen. Each message replaces the one shown
// and stays up for its duration.
class OsdPopup : public QWidget {
    Q_OBJECT
public:
    explicit OsdPopup(QWidget* parent = nullptr);

    void showMessage(const OsdMessage& message);

    QString text() const { return message_.text; }
    QColor textColour() const { return QColor(message_.red, message_.green, message_.blue); }
    QFont textFont() const;
    const QTimer& hideTimer() const { return hideTimer_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    OsdMessage message_;
    QTimer hideTimer_;
};

}  // namespace mousecfg::osd
