#pragma once

#include "app/session/apply_runner.h"

class QWidget;

namespace mousecfg {

// Runs the write thread while a modal TarnProcessDialog, centred over the window, plays its
// animation; returns the worker's result code once the dialog has been accepted.
class DialogApplyRunner : public ApplyRunner {
public:
    explicit DialogApplyRunner(QWidget* window) : window_(window) {}
    quint8 run(const TarnProcessThread::Job& job, bool writeAll) override;

private:
    QWidget* window_;
};

}  // namespace mousecfg
