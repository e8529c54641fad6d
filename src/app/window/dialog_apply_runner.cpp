#include "app/window/dialog_apply_runner.h"

#include <QWidget>

#include "app/window/tarn_process_dialog.h"

namespace mousecfg {

quint8 DialogApplyRunner::run(const TarnProcessThread::Job& job, bool writeAll) {
    TarnProcessDialog dialog(window_);
    if (window_) dialog.move(window_->geometry().center() - dialog.rect().center());
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
