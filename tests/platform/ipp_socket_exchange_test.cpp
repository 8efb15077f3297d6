#include "platform/linux/ipp_socket_exchange.h"
#include "support/fake_ipp_server.h"
#include "support/ipp_bytes.h"

#include <gtest/gtest.h>

namespace tessaline {
namespace {

using namespace std::chrono_literals;

constexpr IppExchangeLimits kLimits{500ms, 500ms, 128}; // headers included

std::optional<std::string> post(const FakeIppServer& server, const std::string& request = "ipp") {
    UniqueFd fd = ConnectToUnixSocket(server.path(), kLimits.connect);
    if (!fd) return std::string("no connection");
    return PostIpp(fd.get(), request, kLimits);
}

TEST(IppSocketExchange, RequestIsOnePostOfAnIppBody) {
    FakeIppServer server([](const std::string&) { return FakeIppServer::ok("reply"); });
    EXPECT_EQ(post(server, std::string("\x02\x00\x40\x02", 4)), "reply");
    const std::string request = server.lastRequest();
    EXPECT_EQ(request.rfind("POST / HTTP/1.1\r\n", 0), 0u) << request;
    EXPECT_NE(request.find("\r\nHost: localhost\r\n"), std::string::npos);
    EXPECT_NE(request.find("\r\nContent-Type: application/ipp\r\n"), std::string::npos);
    EXPECT_EQ(FakeIppServer::body(request), std::string("\x02\x00\x40\x02", 4));
}

TEST(IppSocketExchange, ReplyBodyIsReadWhicheverWayItIsFramed) {
    const std::string big(129, 'x'); // one byte over the limit
    const struct {
        const char* what;
        std::string reply;
        std::optional<std::string> body;
    } cases[] = {
        {"content length", "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nhello and more", "hello"},
        {"chunked",
         "HTTP/1.1 200 OK\r\ntransfer-encoding:  Chunked\r\n\r\n3;x=y\r\nhel\r\n"
         "2\r\nlo\r\n0\r\n\r\n",
         "hello"},
        {"until closed", "HTTP/1.0 200 OK\r\nContent-Type: application/ipp\r\n\r\nhello", "hello"},
        {"empty", "HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n", ""},
        {"refused", "HTTP/1.1 403 Forbidden\r\nContent-Length: 5\r\n\r\nhello", std::nullopt},
        {"continue only", "HTTP/1.1 100 Continue\r\n\r\n", std::nullopt},
        {"status 2000", "HTTP/1.1 2000 OK\r\nContent-Length: 0\r\n\r\n", std::nullopt},
        {"no HTTP", "hello", std::nullopt},
        {"headers cut off", "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n", std::nullopt},
        {"body cut off", "HTTP/1.1 200 OK\r\nContent-Length: 9\r\n\r\nhello", std::nullopt},
        {"chunk cut off", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n9\r\nhello",
         std::nullopt},
        {"no last chunk", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nhello\r\n",
         std::nullopt},
        {"chunk size not hex", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\n",
         std::nullopt},
        {"chunk without its end",
         "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"
         "2\r\nhello\r\n0\r\n\r\n",
         std::nullopt},
        {"compressed", "HTTP/1.1 200 OK\r\nTransfer-Encoding: gzip\r\n\r\nhello", std::nullopt},
        {"two lengths", "HTTP/1.1 200 OK\r\nContent-Length: 5\r\nContent-Length: 6\r\n\r\nhello!",
         std::nullopt},
        {"negative length", "HTTP/1.1 200 OK\r\nContent-Length: -5\r\n\r\nhello", std::nullopt},
        {"header without colon", "HTTP/1.1 200 OK\r\nhello\r\n\r\n", std::nullopt},
        {"length over the limit", "HTTP/1.1 200 OK\r\nContent-Length: 129\r\n\r\n" + big,
         std::nullopt},
        {"huge length", "HTTP/1.1 200 OK\r\nContent-Length: 99999999999999999999999\r\n\r\n",
         std::nullopt},
        {"chunks over the limit",
         "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"
         "40\r\n" +
             big.substr(0, 64) + "\r\n41\r\n",
         std::nullopt},
        {"huge chunk",
         "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"
         "FFFFFFFFFFFFFFFFFFFF\r\n",
         std::nullopt},
        {"endless until closed", "HTTP/1.1 200 OK\r\n\r\n" + big, std::nullopt},
        {"endless header", "HTTP/1.1 200 OK\r\nX: " + big, std::nullopt},
    };
    for (const auto& c : cases) {
        FakeIppServer server([&](const std::string&) { return c.reply; });
        EXPECT_EQ(post(server), c.body) << c.what;
    }
}

TEST(IppSocketExchange, SilentOrAbsentSpoolerEndsWithinTheLimits) {
    FakeIppServer silent([](const std::string&) { return std::nullopt; });
    EXPECT_EQ(post(silent), std::nullopt);

    TempTree tree;
    EXPECT_FALSE(ConnectToUnixSocket(tree.path("none.sock"), 100ms));
    EXPECT_FALSE(ConnectToUnixSocket("/" + std::string(200, 'x'), 100ms)); // too long a path

    // A listener that never accepts: once its queue is full, connecting gives up in time.
    const std::string path = tree.path("full.sock");
    UniqueFd listener(::socket(AF_UNIX, SOCK_STREAM, 0));
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(listener.get(), reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(listener.get(), 0), 0);
    std::vector<UniqueFd> queued;
    for (int i = 0; i < 4; ++i)
        queued.push_back(ConnectToUnixSocket(path, 100ms));
    EXPECT_FALSE(queued.back());
}

// A spooler that answers every request with `status` and one printer, repeating the request's
// id unless told otherwise.
FakeIppServer::Reply answer(uint16_t status, uint32_t idOffset = 0) {
    return [=](const std::string& request) {
        using namespace ipp_bytes;
        const uint32_t id = requestId(FakeIppServer::body(request)) + idOffset;
        return FakeIppServer::ok(head(status, id) + operationGroup() + printerGroup() +
                                 name("printer-name", "lpt") + end());
    };
}

TEST(IppSocketExchange, OnlyAWholeSuccessfulResponseToThisRequestCounts) {
    const IppRequestAttribute attributes[] = {
        {ipp_tag::kOperationGroup, ipp_tag::kCharset, "attributes-charset", {"utf-8"}}};
    const IppExchangeLimits limits{500ms, 500ms, 4096};
    const struct {
        const char* what;
        FakeIppServer::Reply reply;
        bool accepted;
    } cases[] = {
        {"success", answer(0x0000), true},
        {"success with ignored attributes", answer(0x0001), true},
        {"not found", answer(0x0406), false},
        {"server error", answer(0x0500), false},
        {"another request's id", answer(0x0000, 1), false},
        {"not IPP", [](const std::string&) { return FakeIppServer::ok("<html>"); }, false},
    };
    for (const auto& c : cases) {
        FakeIppServer server(c.reply);
        std::optional<IppMessage> response =
            AskSpoolerSocket(server.path(), 0x4002, attributes, limits);
        EXPECT_EQ(response.has_value(), c.accepted) << c.what;
        if (response) {
            EXPECT_EQ(response->groups.size(), 2u) << c.what;
        }
        std::optional<IppMessage> request =
            ParseIppMessage(FakeIppServer::body(server.lastRequest()));
        ASSERT_TRUE(request) << c.what;
        EXPECT_EQ(request->code, 0x4002);
    }
}

} // namespace
} // namespace tessaline
