#include "app/session/scheduler.h"

#include <QTimer>

namespace mousecfg {

void TimerScheduler::singleShot(int milliseconds, QObject* context, std::function<void()> fn) {
    QTimer::singleShot(milliseconds, context, std::move(fn));
}

}  // namespace mousecfg
