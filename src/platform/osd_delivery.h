#pragma once

#include <QByteArray>
#include <QObject>
#include <functional>
#include <memory>

#include "osd/osd_record.h"

namespace mousecfg {

// A deferred call: `fn` runs once after `milliseconds`, unless `context` is gone by then. The
// program uses Qt's timers; tests queue the calls and run them on a stepped clock.
using DeferCall = std::function<void(int milliseconds, QObject* context, std::function<void()> fn)>;
DeferCall qtTimerDefer();

// The way to a running on-screen display: a local socket on Linux, the display's window on
// Windows. Nothing here waits.
class OsdEndpoint : public QObject {
    Q_OBJECT
public:
    // Looks for a running display; answers with found() or notFound(), at once or later.
    virtual void probe() = 0;
    // True while the display found last is known to be there.
    virtual bool ready() const = 0;
    // Hands one record over; false when the display has gone.
    virtual bool send(const QByteArray& record) = 0;

Q_SIGNALS:
    void found();
    void notFound();
};

// Linux: the socket `mousecfg-osd` listens on (osd::socketPath() unless told otherwise).
std::unique_ptr<OsdEndpoint> makeLocalSocketOsdEndpoint(const QString& socketPath = QString());
// Windows: the window titled osd::windowTitle(), fed with WM_COPYDATA.
std::unique_ptr<OsdEndpoint> makeWindowsOsdEndpoint();
// The one of the running platform.
std::unique_ptr<OsdEndpoint> makeOsdEndpoint();

// Starts the display program detached; false when it could not be started (no such program).
using OsdLauncher = std::function<bool()>;
OsdLauncher detachedLauncher(const QString& program);
// The display program beside the running one.
QString osdProgramPath();

// Sends texts to the on-screen display without ever making the caller wait. When the display is
// not running it is started and looked for again 500 ms later, up to five starts; texts that
// come meanwhile replace the waiting one, so the latest is shown once the display is there. When
// all starts fail, or the program cannot be started at all, the text is dropped quietly and the
// next text tries again.
class OsdDelivery : public QObject {
    Q_OBJECT
public:
    static constexpr int kStartAttempts = 5;
    static constexpr int kStartWaitMs = 500;

    OsdDelivery(std::unique_ptr<OsdEndpoint> endpoint, OsdLauncher launch, DeferCall defer,
                QObject* parent = nullptr);
    ~OsdDelivery() override;

    void show(const osd::OsdMessage& message);

    // A display is being looked for or started.
    bool searching() const { return state_ != State::Idle; }

Q_SIGNALS:
    // For the debug log and tests: what became of a text.
    void delivered(const QString& text);
    void dropped(const QString& text);

private:
    enum class State { Idle, Probing, Waiting };

    void beginSearch();
    void onFound();
    void onNotFound();
    void dropPending(const char* why);

    std::unique_ptr<OsdEndpoint> endpoint_;
    OsdLauncher launch_;
    DeferCall defer_;
    State state_ = State::Idle;
    int starts_ = 0;
    bool hasPending_ = false;
    QByteArray pending_;
    QString pendingText_;
};

}  // namespace mousecfg
