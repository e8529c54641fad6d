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
#include "spin.h"
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
        env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("mousecfg.app.debug=true"));
        p->setProcessEnvironment(env);
        p->start(QStringLiteral(MOUSECFG_BIN_DIR "/mousecfg"),
                 {QStringLiteral("--data-dir"), data_.root(), QStringLiteral("--simulate")});
        return p;
    }

    // Reads the program's debug lines until one holds `text`.
    static bool waitForLine(QProcess& p, const QByteArray& text) {
        QByteArray seen;
        return mousecfg::test::spinUntil([&] {
            seen += p.readAllStandardError();
            return seen.contains(text);
        });
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

TEST(Startup, ASecondStartShowsTheFirstsWindowAndExitsWithOneAndAKilledOneBlocksNothing) {
    ProgramRunner runner(QStringLiteral("STARTUP-TEST-%1").arg(QCoreApplication::applicationPid()));
    const QByteArray asked = "a later start asked for the window; visible: true";

    auto first = runner.start();
    ASSERT_TRUE(first->waitForStarted());
    ASSERT_TRUE(runner.waitUntilOwner(first->processId()));

    auto second = runner.start();
    ASSERT_TRUE(second->waitForFinished(20000));
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 1);
    EXPECT_EQ(second->readAllStandardError(), QByteArray()) << "the second instance says nothing";
    EXPECT_TRUE(ProgramRunner::waitForLine(*first, asked));

    // Killed, the first leaves its lock and its socket file behind.
    ::kill(static_cast<pid_t>(first->processId()), SIGKILL);
    ASSERT_TRUE(first->waitForFinished(20000));
    EXPECT_EQ(first->exitStatus(), QProcess::CrashExit);

    auto third = runner.start();
    ASSERT_TRUE(third->waitForStarted());
    EXPECT_TRUE(runner.waitUntilOwner(third->processId()));
    EXPECT_EQ(third->state(), QProcess::Running);
    // It listens where the killed one did.
    auto fourth = runner.start();
    ASSERT_TRUE(fourth->waitForFinished(20000));
    EXPECT_EQ(fourth->exitCode(), 1);
    EXPECT_TRUE(ProgramRunner::waitForLine(*third, asked));
    third->kill();
    third->waitForFinished(20000);
}

TEST(Startup, HelpAndVersionNeedNoDisplayAndUsageErrorsSayWhy) {
    struct Case {
        QStringList arguments;
        bool display;  // usage errors are found once the GUI application exists
        int code;
        QString out;  // the whole output, or a part of it
        int errLines;
    };
    const QString version = QStringLiteral("mousecfg " MOUSECFG_VERSION "\n");
    const std::vector<Case> cases = {
        {{QStringLiteral("--version")}, false, 0, version, 0},
        {{QStringLiteral("--help")}, false, 0, QStringLiteral("--simulate-fault <KIND[@N]>"), 0},
        {{QStringLiteral("--simulate"), QStringLiteral("--help-all")},
         false,
         0,
         QStringLiteral("--data-dir <dir>"),
         0},
        {{QStringLiteral("--simulate-fault"), QStringLiteral("silent")}, true, 64, QString(), 1},
        {{QStringLiteral("--simulate"), QStringLiteral("--simulate-fault"), QStringLiteral("dozing")},
         true,
         64,
         QString(),
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(QLatin1Char(' ')).toStdString());
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"),
                   c.display ? QStringLiteral("offscreen") : QStringLiteral("xcb"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(MOUSECFG_BIN_DIR "/mousecfg"), c.arguments);
        ASSERT_TRUE(p.waitForFinished(20000));
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p.exitCode(), c.code);
        const QString out = QString::fromUtf8(p.readAllStandardOutput());
        const QString err = QString::fromUtf8(p.readAllStandardError());
        if (c.out.endsWith(QLatin1Char('\n')))
            EXPECT_EQ(out.toStdString(), c.out.toStdString());
        else
            EXPECT_TRUE(out.contains(c.out)) << out.toStdString();
        EXPECT_EQ(err.count(QLatin1String("mousecfg: ")), c.errLines) << err.toStdString();
    }
}
