#include "widgets/device_ready.h"

#include <QTimer>

namespace mousecfg {

PollTimer::PollTimer(QObject* parent) : PollTicker(parent), timer_(new QTimer(this)) {
    timer_->setInterval(kIntervalMs);
    connect(timer_, &QTimer::timeout, this, &PollTicker::tick);
}

void PollTimer::start() {
    timer_->start();
}
void PollTimer::stop() {
    timer_->stop();
}
int PollTimer::interval() const {
    return timer_->interval();
}

}  // namespace mousecfg
