#include "app/session/tarn_process_thread.h"

namespace mousecfg {

TarnProcessThread::TarnProcessThread(Job job, QObject* parent) : QThread(parent), job_(std::move(job)) {}

void TarnProcessThread::run() {
    result_.store(job_ ? job_(writeAll_) : 0);
    Q_EMIT DoProcessDlg();
}

}  // namespace mousecfg
