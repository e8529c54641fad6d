#include "platform/osd_delivery.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QProcess>
#include <QTimer>

Q_LOGGING_CATEGORY(lcOsdDelivery, "mousecfg.platform.osd")

namespace mousecfg {

DeferCall qtTimerDefer() {
    return [](int milliseconds, QObject* context, std::function<void()> fn) {
        QTimer::singleShot(milliseconds, context, std::move(fn));
    };
}

OsdLauncher detachedLauncher(const QString& program) {
    return [program] {
        // Checked first: a missing program then costs no process start at all.
        if (!QFileInfo(program).isExecutable()) return false;
        return QProcess::startDetached(program, {});
    };
}

QString osdProgramPath() {
#ifdef Q_OS_WIN
    return QCoreApplication::applicationDirPath() + QStringLiteral("/mousecfg-osd.exe");
#else
    return QCoreApplication::applicationDirPath() + QStringLiteral("/mousecfg-osd");
#endif
}

std::unique_ptr<OsdEndpoint> makeOsdEndpoint() {
#ifdef Q_OS_WIN
    return makeWindowsOsdEndpoint();
#else
    return makeLocalSocketOsdEndpoint();
#endif
}

OsdDelivery::OsdDelivery(std::unique_ptr<OsdEndpoint> endpoint, OsdLauncher launch, DeferCall defer,
                         QObject* parent)
    : QObject(parent), endpoint_(std::move(endpoint)), launch_(std::move(launch)), defer_(std::move(defer)) {
    connect(endpoint_.get(), &OsdEndpoint::found, this, &OsdDelivery::onFound);
    connect(endpoint_.get(), &OsdEndpoint::notFound, this, &OsdDelivery::onNotFound);
}

OsdDelivery::~OsdDelivery() = default;

void OsdDelivery::show(const osd::OsdMessage& message) {
    pending_ = osd::encodeRecord(message);
    pendingText_ = message.text;
    hasPending_ = true;
    if (state_ != State::Idle) return;  // the running search takes the latest text
    if (endpoint_->ready() && endpoint_->send(pending_)) {
        hasPending_ = false;
        Q_EMIT delivered(pendingText_);
        return;
    }
    beginSearch();
}

void OsdDelivery::beginSearch() {
    starts_ = 0;
    state_ = State::Probing;
    endpoint_->probe();
}

void OsdDelivery::onFound() {
    if (state_ != State::Probing) return;
    state_ = State::Idle;
    if (!hasPending_) return;
    if (endpoint_->send(pending_)) {
        hasPending_ = false;
        Q_EMIT delivered(pendingText_);
    } else {
        dropPending("sending failed");
    }
}

void OsdDelivery::onNotFound() {
    if (state_ != State::Probing) return;
    if (starts_ >= kStartAttempts) {
        state_ = State::Idle;
        dropPending("the display did not come up");
        return;
    }
    if (!launch_()) {
        state_ = State::Idle;
        dropPending("the display program cannot be started");
        return;
    }
    ++starts_;
    state_ = State::Waiting;
    defer_(kStartWaitMs, this, [this] {
        state_ = State::Probing;
        endpoint_->probe();
    });
}

void OsdDelivery::dropPending(const char* why) {
    qCDebug(lcOsdDelivery) << "on-screen text dropped:" << why;
    if (!hasPending_) return;
    hasPending_ = false;
    Q_EMIT dropped(pendingText_);
}

}  // namespace mousecfg
