#include "platform/hotplug_service.h"

#include <QLoggingCategory>
#include <QRegularExpression>
#include <QTimer>

Q_LOGGING_CATEGORY(lcHotplug, "mousecfg.platform.hotplug")

namespace mousecfg {

InterfacePathInfo parseInterfacePath(const QString& path) {
    // Tried in this order; the first match wins. The MI_00 forms are what composite devices
    // report; the plain forms what single-interface devices report.
    static const struct {
        QRegularExpression re;
        int kind;
    } patterns[] = {
        {QRegularExpression(QStringLiteral("HID#VID_(?<vid>\\w{4})&PID_(?<pid>\\w{4})&col01"),
                            QRegularExpression::CaseInsensitiveOption),
         1},
        {QRegularExpression(QStringLiteral("HID#VID_(?<vid>\\w{4})&PID_(?<pid>\\w{4})&col04"),
                            QRegularExpression::CaseInsensitiveOption),
         4},
        {QRegularExpression(QStringLiteral("HID#VID_(?<vid>\\w{4})&PID_(?<pid>\\w{4})&MI_00&col01"),
                            QRegularExpression::CaseInsensitiveOption),
         1},
        {QRegularExpression(QStringLiteral("HID#VID_(?<vid>\\w{4})&PID_(?<pid>\\w{4})&MI_00&col04"),
                            QRegularExpression::CaseInsensitiveOption),
         4},
    };
    for (const auto& p : patterns) {
        const QRegularExpressionMatch m = p.re.match(path);
        if (!m.hasMatch()) continue;
        bool okV = false, okP = false;
        const uint vid = m.captured(QStringLiteral("vid")).toUInt(&okV, 16);
        const uint pid = m.captured(QStringLiteral("pid")).toUInt(&okP, 16);
        // \w also matches letters beyond hex digits; such a path names no device of ours.
        if (!okV || !okP) return {};
        return {static_cast<quint16>(vid), static_cast<quint16>(pid), p.kind};
    }
    return {};
}

QVector<HotplugEvent> diffInterfaces(const QVector<PresentInterface>& before,
                                     const QVector<PresentInterface>& after) {
    QVector<HotplugEvent> events;
    auto toEvent = [](const PresentInterface& i, HotplugEvent::Type type) {
        return HotplugEvent{type, i.vendorId, i.productId, i.collection, i.path, i.releaseNumber};
    };
    for (const PresentInterface& i : before)
        if (!after.contains(i)) events.append(toEvent(i, HotplugEvent::Type::Removal));
    for (const PresentInterface& i : after)
        if (!before.contains(i)) events.append(toEvent(i, HotplugEvent::Type::Arrival));
    return events;
}

PollingHotplugService::PollingHotplugService(InterfaceLister lister, int intervalMs, QObject* parent)
    : HotplugService(parent), lister_(std::move(lister)), intervalMs_(intervalMs) {}

bool PollingHotplugService::start() {
    if (started_) return true;
    started_ = true;
    last_ = lister_ ? lister_() : QVector<PresentInterface>();
    if (intervalMs_ <= 0) {
        qCDebug(lcHotplug) << "watching HID devices by enumeration when told of a change";
        return true;
    }
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &PollingHotplugService::poll);
    timer->start(intervalMs_);
    qCDebug(lcHotplug) << "watching HID devices by enumeration every" << intervalMs_ << "ms";
    return true;
}

void PollingHotplugService::poll() {
    if (!lister_) return;
    QVector<PresentInterface> now = lister_();
    const QVector<HotplugEvent> events = diffInterfaces(last_, now);
    last_ = std::move(now);
    for (const HotplugEvent& e : events) Q_EMIT deviceEvent(e);
}

QVector<HotplugEvent> hidrawUeventToEvents(const QString& action, const QString& devnode,
                                           const QString& hidId, const QString& bcdDevice,
                                           int interfaceNumber) {
    if (interfaceNumber > 0) return {};
    HotplugEvent::Type type;
    if (action == QLatin1String("add"))
        type = HotplugEvent::Type::Arrival;
    else if (action == QLatin1String("remove"))
        type = HotplugEvent::Type::Removal;
    else
        return {};
    // HID_ID is "bus:vendor:product", each part hexadecimal.
    const QStringList parts = hidId.split(QLatin1Char(':'));
    if (parts.size() != 3 || devnode.isEmpty()) return {};
    bool okV = false, okP = false;
    const uint vid = parts[1].toUInt(&okV, 16);
    const uint pid = parts[2].toUInt(&okP, 16);
    if (!okV || !okP || vid > 0xFFFF || pid > 0xFFFF) return {};
    bool okR = false;
    int release = bcdDevice.toInt(&okR, 16);
    if (!okR) release = 0;
    QVector<HotplugEvent> events;
    for (int kind : {1, 4})
        events.append({type, static_cast<quint16>(vid), static_cast<quint16>(pid), kind, devnode, release});
    return events;
}

}  // namespace mousecfg
