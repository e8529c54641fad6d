#pragma once

#include <functional>

class QObject;

namespace mousecfg {

// Hands `call` to the event queue of `receiver`'s thread (it runs there), from any thread of ours.
//
// Qt guards that queue with its own futex-based mutex, which ThreadSanitizer cannot see: two of our
// threads posting to the GUI thread look like a race inside Qt. tests/tsan.supp names this function
// for that reason, so it does nothing else.
void postToThreadOf(QObject* receiver, std::function<void()> call);

}  // namespace mousecfg
