#pragma once

#include <atomic>

#include "app/session/tarn_process_thread.h"
#include "device/apply_worker.h"

namespace mousecfg {

class ProfileWriter;

// What a write flow works on; all of it belongs to the session.
struct ApplyJobInput {
    Paths paths;
    ProfileWriter* writer = nullptr;
    ConfigState* working = nullptr;
    ConfigState* stored = nullptr;
    const std::atomic<bool>* mouseOff = nullptr;
};

// The worker's job: the apply routine the command-line tool uses, on the session's profile sets.
TarnProcessThread::Job makeApplyJob(const ApplyJobInput& input);

// Runs a write job on a TarnProcessThread and returns its result code once the thread is done.
// The window's runner plays the progress dialog meanwhile; the session's own (ThreadApplyRunner)
// waits in a local event loop, so queued reports keep arriving during the write either way.
class ApplyRunner {
public:
    virtual ~ApplyRunner() = default;
    virtual quint8 run(const TarnProcessThread::Job& job, bool writeAll) = 0;
};

class ThreadApplyRunner : public ApplyRunner {
public:
    quint8 run(const TarnProcessThread::Job& job, bool writeAll) override;
};

}  // namespace mousecfg
