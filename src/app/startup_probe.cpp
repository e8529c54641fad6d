#include "app/startup_probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>

namespace mousecfg {

namespace {

long residentKilobytes() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    // /proc files report no size, so read them whole rather than up to atEnd().
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

class Probe : public QObject {
public:
    Probe(QObject* parent, bool stay) : QObject(parent), stay_(stay) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            const long long ns = std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
            // Memory is taken once the first frame is out, after the event loop settled.
            QTimer::singleShot(0, this, [ns, stay = stay_] {
                std::printf("shown_ns=%lld rss_kb=%ld\n", ns, residentKilobytes());
                std::fflush(stdout);
                if (!stay) QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool stay_ = false;
    bool done_ = false;
};

}  // namespace

void installStartupProbe(QWidget* window) {
    if (qEnvironmentVariableIsEmpty("MOUSECFG_STARTUP_PROBE") || !window) return;
    const bool stay = qgetenv("MOUSECFG_STARTUP_PROBE") == "idle";
    window->installEventFilter(new Probe(window, stay));
}

}  // namespace mousecfg
