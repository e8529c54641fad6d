#include "platform/osd_delivery.h"

#include <gtest/gtest.h>

#include <QPointer>
#include <QSignalSpy>
#include <algorithm>

using namespace mousecfg;

namespace {

// Deferred calls on a clock that moves only when the test steps it.
class SteppedClock {
public:
    DeferCall defer() {
        return [this](int ms, QObject* context, std::function<void()> fn) {
            delays_.push_back(ms);
            calls_.push_back({now_ + ms, context, std::move(fn)});
        };
    }
    // Moves the clock one frame at a time up to `until`, running what falls due. `entry` wraps
    // every piece of work that runs on the (simulated) GUI thread.
    template <typename Entry>
    void runUntil(int until, Entry entry) {
        while (now_ < until) {
            now_ += kFrameMs;
            std::vector<Call> due;
            auto it = std::stable_partition(calls_.begin(), calls_.end(),
                                            [&](const Call& c) { return c.at > now_; });
            std::move(it, calls_.end(), std::back_inserter(due));
            calls_.erase(it, calls_.end());
            for (Call& c : due)
                if (c.context) entry([&] { c.fn(); });
        }
    }
    int now() const { return now_; }
    std::vector<int> delays() const { return delays_; }
    int pending() const { return static_cast<int>(calls_.size()); }
    static constexpr int kFrameMs = 16;

private:
    struct Call {
        int at;
        QPointer<QObject> context;
        std::function<void()> fn;
    };
    int now_ = 0;
    std::vector<Call> calls_;
    std::vector<int> delays_;
};

// A display that comes up after a given number of starts (never, when negative), on the Nth
// probe after that start.
class FakeEndpoint : public OsdEndpoint {
public:
    void probe() override {
        ++probes;
        if (upAfterStarts >= 0 && starts >= upAfterStarts) {
            up = true;
            Q_EMIT found();
        } else {
            Q_EMIT notFound();
        }
    }
    bool ready() const override { return up; }
    bool send(const QByteArray& record) override {
        if (!up) return false;
        received.push_back(osd::decodeRecord(record)->text);
        return true;
    }
    int upAfterStarts = -1;
    int starts = 0;
    int probes = 0;
    bool up = false;
    std::vector<QString> received;
};

osd::OsdMessage text(const QString& t) {
    osd::OsdMessage m;
    m.text = t;
    return m;
}

struct Rig {
    explicit Rig(int upAfterStarts, bool programExists = true) {
        auto ep = std::make_unique<FakeEndpoint>();
        endpoint = ep.get();
        endpoint->upAfterStarts = upAfterStarts;
        delivery = std::make_unique<OsdDelivery>(
            std::move(ep),
            [this, programExists] {
                ++launches;
                if (programExists) ++endpoint->starts;
                return programExists;
            },
            clock.defer());
    }
    // One turn of the GUI thread: the work it does must be one probe and one start at most, and
    // must not move the clock (nothing in it waits).
    template <typename Fn>
    void turn(Fn fn) {
        const int probes = endpoint->probes, starts = launches, at = clock.now();
        fn();
        maxProbesPerTurn = std::max(maxProbesPerTurn, endpoint->probes - probes);
        maxStartsPerTurn = std::max(maxStartsPerTurn, launches - starts);
        longestTurnMs = std::max(longestTurnMs, clock.now() - at);
    }
    void show(const QString& t) {
        turn([&] { delivery->show(text(t)); });
    }
    void runUntil(int ms) {
        clock.runUntil(ms, [this](auto fn) { turn(fn); });
    }

    SteppedClock clock;
    FakeEndpoint* endpoint = nullptr;
    std::unique_ptr<OsdDelivery> delivery;
    int launches = 0;
    int maxProbesPerTurn = 0, maxStartsPerTurn = 0, longestTurnMs = 0;
};

}  // namespace

TEST(OsdDelivery, StartsTheDisplayWithoutWaitingAndShowsTheLatestText) {
    struct Case {
        const char* name;
        int upAfterStarts;  // -1: never comes up
        bool programExists;
        int launches;
        int drops;
        int deliveredAtMs;  // -1: dropped
    };
    const std::vector<Case> cases = {
        {"already running", 0, true, 0, 0, 0},
        {"up after the first start", 1, true, 1, 0, 500},
        {"up after the third start", 3, true, 3, 0, 1500},
        {"up after the fifth start", 5, true, 5, 0, 2500},
        {"never comes up: five starts, then dropped", -1, true, 5, 1, -1},
        // Each text tries once more; none waits for anything.
        {"no program: every text dropped at once", -1, false, 3, 3, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig(c.upAfterStarts, c.programExists);
        QSignalSpy delivered(rig.delivery.get(), &OsdDelivery::delivered);
        QSignalSpy dropped(rig.delivery.get(), &OsdDelivery::dropped);
        rig.show(QStringLiteral("Profile 2"));
        // Texts that come while the display is looked for replace the waiting one.
        rig.runUntil(100);
        rig.show(QStringLiteral("DPI 1:800"));
        rig.show(QStringLiteral("500 HZ"));
        int deliveredAt = -1;
        while (rig.clock.now() < 4000 && delivered.isEmpty() && dropped.isEmpty() &&
               rig.delivery->searching())
            rig.runUntil(rig.clock.now() + SteppedClock::kFrameMs);
        if (!delivered.isEmpty()) deliveredAt = rig.clock.now();

        EXPECT_EQ(rig.launches, c.launches);
        EXPECT_EQ(dropped.count(), c.drops);
        EXPECT_FALSE(rig.delivery->searching());
        // Every start is followed by one look 500 ms later, from the event loop.
        EXPECT_EQ(rig.clock.delays(), std::vector<int>(c.programExists ? c.launches : 0, 500));
        if (c.deliveredAtMs < 0) {
            EXPECT_TRUE(rig.endpoint->received.empty());
            ASSERT_FALSE(dropped.isEmpty());
            EXPECT_EQ(dropped.last().at(0).toString(), QStringLiteral("500 HZ"));
        } else if (c.deliveredAtMs == 0) {
            // Running already: every text goes straight through.
            EXPECT_EQ(rig.endpoint->received,
                      (std::vector<QString>{QStringLiteral("Profile 2"), QStringLiteral("DPI 1:800"),
                                            QStringLiteral("500 HZ")}));
        } else {
            EXPECT_EQ(rig.endpoint->received, std::vector<QString>{QStringLiteral("500 HZ")});
            // Each 500 ms wait starts on the frame its timer fired in.
            EXPECT_LE(deliveredAt - c.deliveredAtMs, SteppedClock::kFrameMs * c.launches);
            EXPECT_GE(deliveredAt, c.deliveredAtMs);
        }
        // The GUI thread was never held: each turn did one probe and one start at most and
        // took no time on the clock.
        EXPECT_LE(rig.maxProbesPerTurn, 1);
        EXPECT_LE(rig.maxStartsPerTurn, 1);
        EXPECT_EQ(rig.longestTurnMs, 0);
    }
}

TEST(OsdDelivery, ADroppedTextLeavesTheNextOneToTryAgain) {
    Rig rig(7);  // comes up only after seven starts: the first search gives up after five
    QSignalSpy dropped(rig.delivery.get(), &OsdDelivery::dropped);
    rig.show(QStringLiteral("Profile 1"));
    rig.runUntil(3000);
    EXPECT_EQ(dropped.count(), 1);
    EXPECT_EQ(rig.launches, 5);
    EXPECT_EQ(rig.clock.pending(), 0) << "nothing keeps running after a search gave up";

    rig.show(QStringLiteral("Profile 2"));
    rig.runUntil(6000);
    EXPECT_EQ(rig.launches, 7);
    EXPECT_EQ(rig.endpoint->received, std::vector<QString>{QStringLiteral("Profile 2")});

    // A display that went away is looked for again.
    rig.endpoint->up = false;
    rig.endpoint->upAfterStarts = 8;
    rig.show(QStringLiteral("Profile 3"));
    rig.runUntil(7000);
    EXPECT_EQ(rig.launches, 8);
    EXPECT_EQ(rig.endpoint->received.back(), QStringLiteral("Profile 3"));
}

TEST(OsdDelivery, ALateTimerAfterTheDeliveryIsGoneDoesNothing) {
    Rig rig(-1);
    rig.show(QStringLiteral("Profile 1"));
    EXPECT_EQ(rig.clock.pending(), 1);
    rig.delivery.reset();
    rig.endpoint = nullptr;
    // The timer's context is gone: running the clock must not touch the freed delivery.
    rig.clock.runUntil(1000, [](auto fn) { fn(); });
    EXPECT_EQ(rig.launches, 1);
}
