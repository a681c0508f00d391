// Answers over the size limit, from a real server on 127.0.0.1.
#include "LoopbackServer.h"
#include "platform/Clock.h"
#include "platform/CurlHttp.h"
#include "platform/Log.h"
#include "platform/TaskQueue.h"

#include <atomic>
#include <gtest/gtest.h>

using namespace platform;
using namespace std::chrono_literals;

namespace {

constexpr std::size_t kLimit = 64 * 1024;

/// Serves "/sized/N" (N bytes with a Content-Length) and "/endless" (chunks without end,
/// counting what it managed to hand over), for GET and POST.
class BigAnswers {
public:
    std::string url(const std::string& path) const { return server_.base() + path; }
    std::size_t sent() const { return sent_; }

private:
    static void sized(const httplib::Request& req, httplib::Response& res) {
        res.set_content(std::string(std::stoul(req.matches[1]), 'x'), "text/plain");
    }
    void endless(httplib::Response& res) {
        res.set_chunked_content_provider(
            "text/plain", [this](std::size_t, httplib::DataSink& sink) {
                static const std::string chunk(16 * 1024, 'y');
                // A client that keeps reading gets its fill by the total timeout; the cap only
                // keeps a broken client from filling the memory of this test.
                if (sent_ >= (256u << 20) || !sink.write(chunk.data(), chunk.size()))
                    return false;
                sent_ += chunk.size();
                return true;
            });
    }

    std::atomic<std::size_t> sent_{0};
    testing_support::LoopbackServer server_{[this](httplib::Server& server) {
        server.Get(R"(/sized/(\d+))", sized);
        server.Post(R"(/sized/(\d+))", sized);
        auto endlessRoute = [this](const httplib::Request&, httplib::Response& res) {
            endless(res);
        };
        server.Get("/endless", endlessRoute);
        server.Post("/endless", endlessRoute);
    }};
};

class HttpLimit : public ::testing::Test {
protected:
    HttpLimit() { setLog(&log); }
    ~HttpLimit() override { setLog(nullptr); }

    std::optional<HttpResponse> get(const std::string& url) {
        std::optional<HttpResponse> answer;
        http.get(url, [&](std::optional<HttpResponse> r) { answer = std::move(r); });
        loop.runUntilIdle();
        return answer;
    }
    int droppedForSize() const {
        int dropped = 0;
        for (const auto& line : log.lines())
            dropped += line.find("larger than 65536 bytes and was dropped") != std::string::npos;
        return dropped;
    }

    CapturedLog log;
    BigAnswers server;
    VirtualClock clock{TimePoint{}, 0};
    VirtualMainLoop loop{clock};
    CurlHttp http{loop, HttpOptions{2s, 20s, kLimit}};
};

TEST_F(HttpLimit, AnswerUpToTheLimitArrivesWholeALargerOneIsNoAnswer) {
    // Without the cut, the endless answer would be read for 20 s and then time out.
    for (const char* path : {"/sized/65536", "/sized/65537", "/sized/1000000", "/endless"}) {
        SCOPED_TRACE(path);
        log.clear();
        const auto posted = http.post(server.url(path), {}, "");
        const auto got = get(server.url(path));
        const bool whole = std::string(path) == "/sized/65536";
        EXPECT_EQ(posted.has_value(), whole);
        EXPECT_EQ(got.has_value(), whole);
        EXPECT_EQ(droppedForSize(), whole ? 0 : 2);
        if (whole && posted && got) {
            EXPECT_EQ(got->body + posted->body, std::string(2 * kLimit, 'x'));
        }
    }
    // What the server could hand over is the limit plus what the sockets buffer.
    EXPECT_LT(server.sent(), 2 * (16u << 20));
}

TEST(CapturedLog, KeepsTheLatestLinesCutToTheirMaximumLength) {
    CapturedLog log(3, 8);
    std::vector<std::string> forwarded;
    log.onLine = [&](const std::string& line) { forwarded.push_back(line); };
    for (const char* line : {"one", "two", "three", "four", "가나다라"})
        log.write(line);
    // "가나다라" is 12 bytes: it is cut after two whole characters, not inside the third.
    EXPECT_EQ(log.lines(), (std::vector<std::string>{"three", "four", "가나"}));
    EXPECT_EQ(forwarded.size(), 5u);
    EXPECT_EQ(forwarded.back(), "가나다라");

    CapturedLog none(0);
    none.write("not kept");
    EXPECT_TRUE(none.lines().empty());
}

} // namespace
