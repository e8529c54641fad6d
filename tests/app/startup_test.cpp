#include <gtest/gtest.h>
#include <signal.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include "platform/single_instance.h"
#include "temp_data.h"

namespace {

// Starts the real program against a private data folder and runtime folder.
class ProgramRunner {
public:
    explicit ProgramRunner(const QString& product) : product_(product) {
        QFile::setPermissions(runtime_.path(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        data_.writeFile(QStringLiteral("DefaultProfile.bin"),
                        "[PROFILE]\nProductName=" + product.toUtf8() + "\n");
    }

    std::unique_ptr<QProcess> start() {
        auto p = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
        p->setProcessEnvironment(env);
        p->start(QStringLiteral(MOUSECFG_BIN_DIR "/mousecfg"),
                 {QStringLiteral("--data-dir"), data_.root(), QStringLiteral("--simulate")});
        return p;
    }

    // The lock file holds the owner's pid on its first line.
    qint64 lockOwner() const {
        QFile f(runtime_.path() + QLatin1Char('/') + QFileInfo(lockPathInRuntime()).fileName());
        if (!f.open(QIODevice::ReadOnly)) return -1;
        return f.readLine().trimmed().toLongLong();
    }

    // Waits, bounded, until the given process owns the lock (it has got past the single-instance
    // check and is starting its window).
    bool waitUntilOwner(qint64 pid) const {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 20000) {
            if (lockOwner() == pid) return true;
            QThread::msleep(20);
        }
        return false;
    }

private:
    QString lockPathInRuntime() const {
        const QByteArray old = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", runtime_.path().toLocal8Bit());
        const QString path = mousecfg::SingleInstance::lockFilePath(product_);
        qputenv("XDG_RUNTIME_DIR", old);
        return path;
    }

    QString product_;
    QTemporaryDir runtime_;
    mousecfg::test::TempData data_;
};

}  // namespace

TEST(Startup, SecondInstanceExitsWithOneAndAKilledInstanceLeavesNoStaleLock) {
    ProgramRunner runner(QStringLiteral("STARTUP-TEST-%1").arg(QCoreApplication::applicationPid()));

    auto first = runner.start();
    ASSERT_TRUE(first->waitForStarted());
    ASSERT_TRUE(runner.waitUntilOwner(first->processId()));

    auto second = runner.start();
    ASSERT_TRUE(second->waitForFinished(20000));
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 1);
    EXPECT_EQ(second->readAllStandardError(), QByteArray()) << "the second instance says nothing";

    ::kill(static_cast<pid_t>(first->processId()), SIGKILL);
    ASSERT_TRUE(first->waitForFinished(20000));
    EXPECT_EQ(first->exitStatus(), QProcess::CrashExit);

    auto third = runner.start();
    ASSERT_TRUE(third->waitForStarted());
    EXPECT_TRUE(runner.waitUntilOwner(third->processId()));
    EXPECT_EQ(third->state(), QProcess::Running);
    third->kill();
    third->waitForFinished(20000);
}
