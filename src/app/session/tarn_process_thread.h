#pragma once

#include <QThread>
#include <atomic>
#include <functional>

namespace mousecfg {

// Runs one write of the profile set to the mouse away from the GUI thread. The job is the apply
// routine shared with the command-line tool; it gets the write-all flag and returns the result
// code (0 success, 5 mouse off, anything else a failed write).
class TarnProcessThread : public QThread {
    Q_OBJECT
public:
    using Job = std::function<quint8(bool writeAll)>;

    explicit TarnProcessThread(Job job, QObject* parent = nullptr);

    void setWriteAll(bool writeAll) { writeAll_ = writeAll; }
    bool writeAll() const { return writeAll_; }
    // Read it after DoProcessDlg() has arrived.
    quint8 result() const { return result_.load(); }

Q_SIGNALS:
    void DoProcessDlg();

protected:
    void run() override;

private:
    Job job_;
    bool writeAll_ = false;
    std::atomic<quint8> result_{0};
};

}  // namespace mousecfg
