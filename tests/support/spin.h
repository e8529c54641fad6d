#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>

namespace mousecfg::test {

// Runs the event loop until `done` holds or ten seconds pass, for answers that come from another
// process or a socket. It waits for events; it does not sleep.
template <typename Pred>
bool spinUntil(Pred done) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < 10000) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return done();
}

}  // namespace mousecfg::test
