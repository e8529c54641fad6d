#include "app/session/apply_runner.h"

#include <QEventLoop>

#include "app/session/app_log.h"

namespace mousecfg {

TarnProcessThread::Job makeApplyJob(const ApplyJobInput& input) {
    return [input](bool writeAll) -> quint8 {
        if (!input.writer || !input.working || !input.stored) return TxNoDevice;
        const bool off = input.mouseOff && input.mouseOff->load();
        const ApplyOutcome outcome =
            runApply(input.paths, *input.writer, *input.working, *input.stored, writeAll, off);
        qCDebug(lcApp) << "apply: result" << outcome.result << "mask" << outcome.mask;
        return outcome.result;
    };
}

quint8 ThreadApplyRunner::run(const TarnProcessThread::Job& job, bool writeAll) {
    TarnProcessThread worker(job);
    worker.setWriteAll(writeAll);
    QEventLoop loop;
    QObject::connect(&worker, &TarnProcessThread::DoProcessDlg, &loop, &QEventLoop::quit,
                     Qt::QueuedConnection);
    worker.start(QThread::InheritPriority);
    loop.exec();
    worker.wait();
    return worker.result();
}

}  // namespace mousecfg
