#include "app/session/gui_post.h"

#include <QMetaObject>
#include <QObject>
#include <utility>

namespace mousecfg {

Q_NEVER_INLINE void postToThreadOf(QObject* receiver, std::function<void()> call) {
    QMetaObject::invokeMethod(receiver, std::move(call), Qt::QueuedConnection);
}

}  // namespace mousecfg
