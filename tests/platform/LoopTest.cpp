#include "LoopbackServer.h"
#include "platform/Clock.h"
#include "platform/CurlHttp.h"
#include "platform/Lifetime.h"
#include "platform/Log.h"
#include "platform/TaskQueue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <thread>

using namespace platform;
using namespace std::chrono_literals;

namespace {
TimePoint at(const char* iso) {
    TimePoint t;
    int offset;
    EXPECT_TRUE(parseIsoInstant(iso, t, offset));
    return t;
}
} // namespace

TEST(VirtualLoop, DelayedTasksRunInDueOrderOnlyWhenTimeIsAdvanced) {
    VirtualClock clock(at("2026-12-07T09:30:00+09:00"), 9 * 3600);
    VirtualMainLoop loop(clock);
    std::vector<std::string> seen;
    loop.postDelayed(seconds(0.5), [&] { seen.push_back("half"); });
    loop.postDelayed(seconds(0.004), [&] { seen.push_back("tiny"); });
    loop.post([&] { seen.push_back("now"); });
    loop.runUntilIdle();
    EXPECT_EQ(seen, std::vector<std::string>{"now"});
    loop.advance(1s);
    EXPECT_EQ(seen, (std::vector<std::string>{"now", "tiny", "half"}));
    EXPECT_EQ(clock.now(), at("2026-12-07T09:30:01+09:00"));
}

TEST(Timer, CancelsWhenDestroyedReassignedOrFromItsOwnTickAndAOneShotStopsAsItFires) {
    VirtualClock clock(at("2026-12-07T00:00:00Z"), 0);
    VirtualMainLoop loop(clock);
    std::map<std::string, int> fired;
    auto note = [&](const char* what) { return [&fired, what] { ++fired[what]; }; };
    Timer once = Timer::after(loop, 60s, note("once"));
    Timer moved;
    {
        Timer dropped = Timer::every(loop, 60s, note("dropped"));
        Timer source = Timer::every(loop, 60s, note("moved"));
        moved = std::move(source);
    }
    Timer reassigned = Timer::every(loop, 60s, note("replaced"));
    reassigned = Timer::after(loop, 120s, note("replacement"));
    Timer ticking = Timer::every(loop, 60s, [&] {
        if (++fired["ticking"] == 3)
            ticking.cancel();
    });
    loop.advance(60s);
    EXPECT_EQ(fired, (std::map<std::string, int>{{"moved", 1}, {"once", 1}, {"ticking", 1}}));
    EXPECT_FALSE(once.running());
    EXPECT_TRUE(reassigned.running());
    loop.advance(540s);
    EXPECT_EQ(fired, (std::map<std::string, int>{
                         {"moved", 10}, {"once", 1}, {"replacement", 1}, {"ticking", 3}}));
}

namespace {
struct Owner : std::enable_shared_from_this<Owner> {
    explicit Owner(MainLoop& loop) : lifetime(loop, *this) {}
    ~Owner() {
        if (onDestroy)
            onDestroy();
    }
    std::function<void()> onDestroy;
    Lifetime lifetime;
};
} // namespace

TEST(Lifetime, WorkRunsOnlyWhileItsOwnerLivesAndHoldsTheOwnerForTheCall) {
    VirtualClock clock(at("2026-12-07T00:00:00Z"), 0);
    VirtualMainLoop loop(clock);
    int runs = 0;
    const auto count = [&runs] { ++runs; };
    std::vector<std::function<void()>> handed;
    Timer outlivesItsOwner;
    {
        auto owner = std::make_shared<Owner>(loop);
        owner->lifetime.post(count);
        owner->lifetime.post(1s, count);
        outlivesItsOwner = owner->lifetime.every(1s, count);
        handed.push_back(owner->lifetime.guard(count));
        owner->onDestroy = owner->lifetime.guard(count); // called during destruction
        Lifetime plain(loop);
        plain.post(count);
        handed.push_back(plain.guard(count));
    }
    for (auto& f : handed)
        f();
    loop.advance(2s);
    EXPECT_EQ(runs, 0);

    Owner neverShared(loop);
    neverShared.lifetime.guard([&](int n) { runs += n; })(1);
    EXPECT_EQ(runs, 1);
    auto owner = std::make_shared<Owner>(loop);
    std::weak_ptr<Owner> weak = owner;
    bool heldDuringCall = false;
    owner->lifetime.post([&] {
        owner.reset();
        heldDuringCall = !weak.expired();
    });
    loop.runUntilIdle();
    EXPECT_TRUE(heldDuringCall);
    EXPECT_TRUE(weak.expired());
}

TEST(VirtualLoop, JumpOverManyTicksFiresOnceOnTheTimersBeat) {
    VirtualClock clock(at("2026-12-07T00:00:00Z"), 0);
    VirtualMainLoop loop(clock);
    std::vector<TimePoint> fired;
    loop.startRepeating(60s, [&] { fired.push_back(clock.now()); });
    std::vector<std::string> order;
    loop.postDelayed(90s, [&] { order.push_back("delayed"); });
    // The machine slept for an hour: the timer fires once, at the end of the gap.
    loop.jump(3650s);
    ASSERT_EQ(fired.size(), 1u);
    EXPECT_EQ(fired[0], at("2026-12-07T01:00:50Z"));
    EXPECT_EQ(order, std::vector<std::string>{"delayed"});
    loop.advance(9s);
    EXPECT_EQ(fired.size(), 1u);
    loop.advance(1s);
    ASSERT_EQ(fired.size(), 2u);
    EXPECT_EQ(fired[1], at("2026-12-07T01:01:00Z"));
}

TEST(VirtualLoop, ATaskThatThrowsIsLoggedAndTheLoopGoesOn) {
    CapturedLog log;
    setLog(&log);
    VirtualClock clock(at("2026-12-07T00:00:00Z"), 0);
    VirtualMainLoop loop(clock);
    bool ran = false;
    loop.post([] { throw std::runtime_error("bad answer"); });
    loop.post([&] { ran = true; });
    loop.postDelayed(1s, [] { throw 42; });
    loop.advance(2s);
    setLog(nullptr);
    EXPECT_TRUE(ran);
    EXPECT_EQ(log.lines().size(), 2u);
}

TEST(VirtualLoop, IdleWaitsForAnswersOfRequestsInFlightAndTransportFailuresGiveNone) {
    testing_support::LoopbackServer server([](httplib::Server& routes) {
        routes.Get("/slow", [](const httplib::Request&, httplib::Response& res) {
            std::this_thread::sleep_for(50ms);
            res.set_content("feed", "text/plain");
        });
    });
    VirtualClock clock(at("2026-12-07T00:00:00Z"), 0);
    VirtualMainLoop loop(clock);
    CurlHttp http(loop, HttpOptions{200ms, 500ms});
    // A port nobody listens on, and an address that is not a URL.
    EXPECT_FALSE(http.post("http://127.0.0.1:1/x", {}, "body"));
    EXPECT_FALSE(http.post("not a url", {}, ""));
    std::vector<std::string> answers;
    for (const std::string& url : {server.base() + "/slow", std::string("http://127.0.0.1:1/x")})
        http.get(url, [&](std::optional<HttpResponse> r) {
            answers.push_back(r ? std::to_string(r->status) + " " + r->body : "none");
        });
    EXPECT_FALSE(loop.idle());
    loop.runUntilIdle();
    std::sort(answers.begin(), answers.end());
    EXPECT_EQ(answers, (std::vector<std::string>{"200 feed", "none"}));
}

TEST(Clock, LocalFormattingUsesTheClocksOffset) {
    VirtualClock seoul(at("2026-12-06T15:30:00Z"), 9 * 3600);
    EXPECT_EQ(formatLocal(seoul, seoul.now(), "yyyyMMdd HH:mm:ss"), "20261207 00:30:00");
    EXPECT_EQ(toLocal(seoul, seoul.now()).weekday, 1); // a Monday
    VirtualClock utc(at("2026-12-06T15:30:00Z"), 0);
    EXPECT_EQ(formatLocal(utc, utc.now() - std::chrono::hours(16), "yyyyMMdd"), "20261205");
}

TEST(Clock, IsoInstantsParseWithTheirOffsetAndRejectGarbage) {
    TimePoint t;
    int offset = 0;
    ASSERT_TRUE(parseIsoInstant("2026-12-07T09:30:00+09:00", t, offset));
    EXPECT_EQ(offset, 9 * 3600);
    EXPECT_EQ(t, at("2026-12-07T00:30:00Z"));
    ASSERT_TRUE(parseIsoInstant("2026-01-01T00:00:00-05:30", t, offset));
    EXPECT_EQ(offset, -(5 * 3600 + 1800));
    for (const char* bad : {"", "2026-12-07", "2026-13-01T00:00:00Z", "2026-12-07T09:30:00",
                            "2026-12-07T09:30:00+0900", "2026-02-30T00:00:00Z"})
        EXPECT_FALSE(parseIsoInstant(bad, t, offset)) << bad;
}
