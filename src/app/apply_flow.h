#pragma once

#include <atomic>

#include "app/tarn_process_thread.h"
#include "device/apply_worker.h"

class QWidget;

namespace mousecfg {

class ProfileWriter;

// What a write flow works on; all of it belongs to the main window.
struct ApplyJobInput {
    Paths paths;
    ProfileWriter* writer = nullptr;
    ConfigState* working = nullptr;
    ConfigState* stored = nullptr;
    const std::atomic<bool>* mouseOff = nullptr;
};

// The worker's job: the apply routine the command-line tool uses, on the window's profile sets.
TarnProcessThread::Job makeApplyJob(const ApplyJobInput& input);

// Runs `job` on a TarnProcessThread while a modal TarnProcessDialog, centred over `window`,
// plays its animation; returns the worker's result code once the dialog has been accepted.
quint8 runApplyFlow(QWidget* window, const TarnProcessThread::Job& job, bool writeAll);

}  // namespace mousecfg
