#include "platform/single_instance.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>

#include "spin.h"
#include "temp_data.h"

using mousecfg::SingleInstance;

using mousecfg::test::RuntimeDir;
using mousecfg::test::spinUntil;

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

TEST(SingleInstance, ALaterStartAsksTheOwnerAndAStaleSocketBlocksNothing) {
    RuntimeDir runtime;
    const QString product = QStringLiteral("FARROW");
    const QString name = SingleInstance::activationServerName(product);
    EXPECT_TRUE(name.startsWith(runtime.path() + "/"));
    EXPECT_TRUE(name.endsWith(QStringLiteral(".socket")));

    // Nobody listens: the request says so instead of hanging.
    EXPECT_FALSE(SingleInstance::requestActivation(product));

    // A socket file left behind by a killed owner (a server that is gone without cleaning up).
    {
        QFile stale(name);
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    }
    SingleInstance owner(product);
    ASSERT_TRUE(owner.tryAcquire());
    int requests = 0;
    ASSERT_TRUE(owner.listenForActivation([&] { ++requests; }));

    SingleInstance later(product);
    EXPECT_FALSE(later.tryAcquire());
    EXPECT_FALSE(later.listenForActivation([] {})) << "only the owner listens";
    EXPECT_TRUE(SingleInstance::requestActivation(product));
    EXPECT_TRUE(spinUntil([&] { return requests == 1; }));
    EXPECT_TRUE(SingleInstance::requestActivation(product));
    EXPECT_TRUE(spinUntil([&] { return requests == 2; }));

    // Other talk on the socket is not a request, and a flood is cut off.
    for (const QByteArray& junk : {QByteArray("hide\n"), QByteArray(4096, 'x')}) {
        QLocalSocket s;
        s.connectToServer(name);
        ASSERT_TRUE(s.waitForConnected(5000));
        s.write(junk);
        ASSERT_TRUE(s.waitForBytesWritten(5000));
        EXPECT_TRUE(spinUntil([&] { return s.state() == QLocalSocket::UnconnectedState; }));
    }
    EXPECT_EQ(requests, 2);
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
