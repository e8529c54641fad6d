#include "sim/fault_plan.h"

#include <QStringList>

#include "sim/sim_log.h"
#include "sim/simulated_mouse.h"

namespace mousecfg {

namespace {

struct KindName {
    FaultPlan::Kind kind;
    const char* name;
};

const KindName kKinds[] = {
    {FaultPlan::Kind::Silent, "silent"},        {FaultPlan::Kind::NoEcho, "no-echo"},
    {FaultPlan::Kind::BadEcho, "bad-echo"},     {FaultPlan::Kind::BadHeader, "bad-header"},
    {FaultPlan::Kind::ReadError, "read-error"}, {FaultPlan::Kind::WriteError, "write-error"},
    {FaultPlan::Kind::Unplug, "unplug"},        {FaultPlan::Kind::Asleep, "asleep"},
};

const char* nameOf(FaultPlan::Kind kind) {
    for (const KindName& k : kKinds)
        if (k.kind == kind) return k.name;
    return "none";
}

void setError(QString* error, const QString& text) {
    if (error) *error = text;
}

}  // namespace

std::optional<FaultPlan> FaultPlan::parse(const QString& text, QString* error) {
    const int at = text.indexOf(QLatin1Char('@'));
    const QString name = at < 0 ? text : text.left(at);
    FaultPlan plan;
    for (const KindName& k : kKinds)
        if (name == QLatin1String(k.name)) plan.kind = k.kind;
    if (plan.kind == Kind::None) {
        setError(error, QStringLiteral("unknown fault '%1' (one of %2)").arg(name, kindList()));
        return std::nullopt;
    }
    if (at >= 0) {
        bool ok = false;
        const QString number = text.mid(at + 1);
        plan.startFrame = number.toInt(&ok, 10);
        if (!ok || plan.startFrame < 1) {
            setError(error, QStringLiteral("bad frame number '%1' (a whole number from 1)").arg(number));
            return std::nullopt;
        }
    }
    return plan;
}

QString FaultPlan::kindList() {
    QStringList names;
    for (const KindName& k : kKinds) names << QLatin1String(k.name);
    return names.join(QStringLiteral(", "));
}

void FaultPlan::installOn(SimulatedMouse& mouse) const {
    if (!active()) return;
    const FaultPlan plan = *this;
    SimulatedMouse* target = &mouse;  // the mouse clears its hook when it goes
    mouse.setFrameHook([plan, target](int frame) {
        if (frame == plan.startFrame) plan.strike(*target);
    });
}

void FaultPlan::strike(SimulatedMouse& mouse) const {
    constexpr int kForever = -1;
    qCDebug(lcSim, "fault '%s' from frame %d", nameOf(kind), startFrame);
    switch (kind) {
        case Kind::None:
            break;
        case Kind::Silent:
            mouse.setSilent(true);
            break;
        case Kind::NoEcho:
            mouse.injectEchoFault(SimulatedMouse::EchoFault::Drop, kForever);
            break;
        case Kind::BadEcho:
            mouse.injectEchoFault(SimulatedMouse::EchoFault::WrongData, kForever);
            break;
        case Kind::BadHeader:
            mouse.injectEchoFault(SimulatedMouse::EchoFault::WrongHeader, kForever);
            break;
        case Kind::ReadError:
            mouse.failReads(kForever);
            break;
        case Kind::WriteError:
            mouse.failWrites(kForever);
            break;
        case Kind::Unplug:
            mouse.unplug();
            break;
        case Kind::Asleep:
            mouse.setMouseOff(true);
            break;
    }
}

QCommandLineOption simulateFaultOption() {
    return QCommandLineOption(
        QStringLiteral("simulate-fault"),
        QStringLiteral("With --simulate: from frame N on (counted from 1 over every frame written, "
                       "status requests included; default 1) the simulated mouse has fault KIND, one of %1.")
            .arg(FaultPlan::kindList()),
        QStringLiteral("KIND[@N]"));
}

}  // namespace mousecfg
