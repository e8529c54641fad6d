#include "app/apply_flow.h"

#include <QWidget>

#include "app/app_log.h"
#include "app/tarn_process_dialog.h"

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

quint8 runApplyFlow(QWidget* window, const TarnProcessThread::Job& job, bool writeAll) {
    TarnProcessDialog dialog(window);
    if (window) dialog.move(window->geometry().center() - dialog.rect().center());
    TarnProcessThread worker(job);
    worker.setWriteAll(writeAll);
    QObject::connect(&worker, &TarnProcessThread::DoProcessDlg, &dialog, &TarnProcessDialog::slotProcessDlg,
                     Qt::QueuedConnection);
    worker.start(QThread::InheritPriority);
    dialog.exec();
    // The dialog only closes once the worker has reported; its last steps are over shortly after.
    worker.wait();
    return worker.result();
}

}  // namespace mousecfg
