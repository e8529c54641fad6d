#include "platform/single_instance.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

using mousecfg::SingleInstance;

namespace {

// Points the runtime folder at a private temporary folder for the test's lifetime.
class RuntimeDir {
public:
    RuntimeDir() : old_(qgetenv("XDG_RUNTIME_DIR")) {
        QFile::setPermissions(dir_.path(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", dir_.path().toLocal8Bit());
    }
    ~RuntimeDir() { qputenv("XDG_RUNTIME_DIR", old_); }
    QString path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    QByteArray old_;
};

}  // namespace

TEST(SingleInstance, MutexNameKeepsTheLeadingBlankEvenWithoutAProduct) {
    EXPECT_EQ(SingleInstance::mutexName(QStringLiteral("FARROW")),
              QStringLiteral("FARROW Wireless Gaming Mouse Mutex1"));
    EXPECT_EQ(SingleInstance::mutexName(QString()), QStringLiteral(" Wireless Gaming Mouse Mutex1"));
}

TEST(SingleInstance, OneOwnerPerProductAndTheLockIsFreedWithItsOwner) {
    RuntimeDir runtime;
    // Names that are hostile as file names still map to a lock inside the runtime folder.
    for (const QString& product :
         {QStringLiteral("FARROW"), QStringLiteral("../../etc/x"), QString(), QStringLiteral("鼠标 Pro")}) {
        SCOPED_TRACE(product.toStdString());
        EXPECT_TRUE(SingleInstance::lockFilePath(product).startsWith(runtime.path() + "/"));
        auto first = std::make_unique<SingleInstance>(product);
        ASSERT_TRUE(first->tryAcquire());
        EXPECT_TRUE(first->tryAcquire());  // asking again keeps the lock

        SingleInstance second(product);
        EXPECT_FALSE(second.tryAcquire());
        EXPECT_FALSE(second.isOwner());

        first.reset();
        EXPECT_TRUE(second.tryAcquire());
    }
    // Different products run side by side.
    SingleInstance a(QStringLiteral("FARROW")), b(QStringLiteral("OTHER"));
    EXPECT_TRUE(a.tryAcquire());
    EXPECT_TRUE(b.tryAcquire());
}

// A lock file that names no process (empty, garbled, cut short) does not keep every later start
// out; one written a moment ago may still be being filled in by its owner and counts as held.
TEST(SingleInstance, ALockFileThatNamesNoProcessIsStale) {
    RuntimeDir runtime;
    const QString product = QStringLiteral("FARROW");
    const QString path = SingleInstance::lockFilePath(product);
    const QDateTime old = QDateTime::currentDateTime().addSecs(-60);
    const struct {
        const char* what;
        QByteArray content;
        QDateTime modified;
        bool acquired;
    } cases[] = {
        {"empty", "", old, true},
        {"garbage", "\x01\xff garbage\n\n", old, true},
        {"no process number", "mousecfg\nhost\n", old, true},
        {"a process that is gone", "2147483000\nmousecfg\n\n", QDateTime::currentDateTime(), true},
        {"empty, just created", "", QDateTime::currentDateTime(), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(c.content);
        f.flush();
        ASSERT_TRUE(f.setFileTime(c.modified, QFileDevice::FileModificationTime));
        f.close();
        SingleInstance instance(product);
        EXPECT_EQ(instance.tryAcquire(), c.acquired);
    }
}
