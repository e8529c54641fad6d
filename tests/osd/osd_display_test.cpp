#include <gtest/gtest.h>
#include <signal.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>

#include "osd/osd_popup.h"
#include "osd/osd_server.h"
#include "platform/osd_delivery.h"
#include "spin.h"
#include "temp_data.h"

using namespace mousecfg;
using namespace mousecfg::osd;
using mousecfg::test::RuntimeDir;
using mousecfg::test::spinUntil;

namespace {

OsdMessage message(const QString& text, int r = 255, int g = 125, int b = 0) {
    OsdMessage m;
    m.text = text;
    m.red = r;
    m.green = g;
    m.blue = b;
    return m;
}

// Deferred calls kept until the test runs them.
struct HeldCalls {
    DeferCall defer() {
        return [this](int ms, QObject*, std::function<void()> fn) {
            delays.push_back(ms);
            calls.push_back(std::move(fn));
        };
    }
    void runAll() {
        auto now = std::move(calls);
        calls.clear();
        for (auto& fn : now) fn();
    }
    std::vector<int> delays;
    std::vector<std::function<void()>> calls;
};

}  // namespace

TEST(OsdDisplay, ShowsWhatArrivesOnTheSocketWithoutTakingTheFocus) {
    RuntimeDir runtime;
    // A socket file left by a display that was killed blocks nothing.
    {
        QFile stale(socketPath());
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    }
    // The user works in another window; the text must not take it away.
    QWidget work;
    work.show();
    work.activateWindow();
    ASSERT_TRUE(spinUntil([&] { return QApplication::activeWindow() == &work; }));

    OsdServer server;
    OsdPopup popup;
    QObject::connect(&server, &OsdServer::messageReceived, &popup, &OsdPopup::showMessage);

    // Not running yet: the delivery starts it (here: in this process) and looks again later.
    HeldCalls held;
    int launches = 0;
    auto delivery = std::make_unique<OsdDelivery>(
        makeLocalSocketOsdEndpoint(),
        [&] {
            ++launches;
            return server.start() == OsdServer::Start::Listening;
        },
        held.defer());
    delivery->show(message(QStringLiteral("Profile 2")));
    ASSERT_TRUE(spinUntil([&] { return launches == 1 && !held.calls.empty(); }));
    EXPECT_EQ(held.delays, std::vector<int>{500});
    EXPECT_FALSE(popup.isVisible());
    OsdServer second;
    EXPECT_EQ(second.start(), OsdServer::Start::AlreadyRunning);

    held.runAll();
    ASSERT_TRUE(spinUntil([&] { return popup.isVisible(); }));
    EXPECT_EQ(popup.text(), QStringLiteral("Profile 2"));
    EXPECT_EQ(popup.textColour(), QColor(255, 125, 0));
    EXPECT_EQ(popup.textFont().family(), QStringLiteral("Arial"));
    EXPECT_EQ(popup.textFont().pixelSize(), 60);
    const Qt::WindowFlags flags = popup.windowFlags();
    for (Qt::WindowType f : {Qt::FramelessWindowHint, Qt::WindowStaysOnTopHint, Qt::WindowDoesNotAcceptFocus,
                             Qt::WindowTransparentForInput})
        EXPECT_TRUE(flags.testFlag(f)) << f;
    EXPECT_TRUE(popup.testAttribute(Qt::WA_TranslucentBackground));
    EXPECT_TRUE(popup.testAttribute(Qt::WA_ShowWithoutActivating));
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &work);
    EXPECT_TRUE(popup.hideTimer().isActive());
    EXPECT_EQ(popup.hideTimer().interval(), 1500);

    // Later texts go straight through the open connection and replace the one shown.
    delivery->show(message(QStringLiteral("DPI 3:1600"), 0, 0, 255));
    ASSERT_TRUE(spinUntil([&] { return popup.text() == QStringLiteral("DPI 3:1600"); }));
    EXPECT_EQ(popup.textColour(), QColor(0, 0, 255));
    EXPECT_EQ(launches, 1);

    // Records split across writes arrive whole; a stray tail waits for the rest.
    QLocalSocket raw;
    raw.connectToServer(socketPath());
    ASSERT_TRUE(raw.waitForConnected(5000));
    const QByteArray record = encodeRecord(message(QStringLiteral("500 HZ")));
    raw.write(record.left(100));
    raw.flush();
    QCoreApplication::processEvents();
    raw.write(record.mid(100) + record.left(7));
    raw.flush();
    ASSERT_TRUE(spinUntil([&] { return popup.text() == QStringLiteral("500 HZ"); }));

    // The text goes when its time is up.
    QMetaObject::invokeMethod(const_cast<QTimer*>(&popup.hideTimer()), "timeout");
    EXPECT_FALSE(popup.isVisible());

    // With connections open the display stays; once the last one has closed, a minute later
    // it ends.
    EXPECT_FALSE(server.idleTimer().isActive());
    delivery.reset();
    raw.abort();
    ASSERT_TRUE(spinUntil([&] { return server.idleTimer().isActive(); }));
    EXPECT_EQ(server.idleTimer().interval(), 60000);
    QSignalSpy idle(&server, &OsdServer::idle);
    QMetaObject::invokeMethod(const_cast<QTimer*>(&server.idleTimer()), "timeout");
    EXPECT_EQ(idle.count(), 1);
}

TEST(OsdDisplay, TheProgramShowsTheTextAndOneRunsPerUser) {
    RuntimeDir runtime;
    auto start = [&] {
        auto p = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("mousecfg.osd.debug=true"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        p->setProcessEnvironment(env);
        p->setProcessChannelMode(QProcess::SeparateChannels);
        p->start(QStringLiteral(MOUSECFG_BIN_DIR "/mousecfg-osd"), QStringList());
        return p;
    };
    // Reads the program's debug lines until one holds `text`.
    auto waitForLine = [](QProcess& p, const QByteArray& text) {
        QByteArray seen;
        return spinUntil([&] {
            seen += p.readAllStandardError();
            return seen.contains(text);
        });
    };
    auto deliver = [](const QString& text) {
        OsdDelivery delivery(
            makeLocalSocketOsdEndpoint(), [] { return false; }, qtTimerDefer());
        QSignalSpy delivered(&delivery, &OsdDelivery::delivered);
        delivery.show(message(text));
        EXPECT_TRUE(spinUntil([&] { return !delivered.isEmpty(); }));
    };

    auto first = start();
    ASSERT_TRUE(first->waitForStarted());
    ASSERT_TRUE(waitForLine(*first, "listening on"));
    deliver(QStringLiteral("Profile 2"));
    EXPECT_TRUE(waitForLine(*first, "shown: \"Profile 2\""));

    auto second = start();
    ASSERT_TRUE(second->waitForFinished(20000));
    EXPECT_EQ(second->exitCode(), 0) << "a second display ends at once";
    EXPECT_FALSE(second->readAllStandardError().contains("listening"));

    // Killed, it leaves its lock and socket behind; the next one takes both over.
    ::kill(static_cast<pid_t>(first->processId()), SIGKILL);
    ASSERT_TRUE(first->waitForFinished(20000));
    EXPECT_TRUE(QFile::exists(socketPath()));
    auto third = start();
    ASSERT_TRUE(third->waitForStarted());
    ASSERT_TRUE(waitForLine(*third, "listening on"));
    deliver(QStringLiteral("DPI 1:800"));
    EXPECT_TRUE(waitForLine(*third, "shown: \"DPI 1:800\""));
    third->terminate();
    third->waitForFinished(20000);
}
