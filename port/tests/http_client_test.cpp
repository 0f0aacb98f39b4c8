#include "port/http_client.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "tools/loopback_http/loopback_http_server.h"

namespace lirvane::port {
namespace {

using lirvane::tools::Connection;
using lirvane::tools::LoopbackHttpServer;

struct ChunkCase {
  const char* value;  // nullptr: no Content-Length header
  std::size_t expected;
};

TEST(ReadChunkSize, FollowsTheAnnouncedLength) {
  const ChunkCase cases[] = {
      {nullptr, 10240},
      {"0", 10240},
      {"-1", 10240},
      {"abc", 10240},
      {"1", 2},
      {" 12", 13},
      {"+12", 13},
      {"12abc", 13},
      {"102399", 102400},
      {"102400", 102400},
      {"999999999999", 102400},
      {"99999999999999999999", 102400},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(readChunkSize(c.value), c.expected) << (c.value ? c.value : "(none)");
  }
}

class HttpClientAbort : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY", "all_proxy",
                             "ALL_PROXY", "no_proxy", "NO_PROXY"}) {
      unsetenv(name);
    }
    // A server that sends part of a body and then nothing: only an abort
    // can end the transfer before the (long) stall timeout.
    server_.on("/stall", [](Connection& c) {
      c.send(LoopbackHttpServer::response("200 OK", "", "begun"));
      c.waitForPeer();
    });
  }

  LoopbackHttpServer server_;
  std::unique_ptr<HttpClient> client_ =
      HttpClient::open("agent", {.stallTimeout = std::chrono::minutes(10)});
};

TEST_F(HttpClientAbort, EndsTheTransferInProgressAndKeepsWhatCame) {
  ByteArray body;
  std::thread aborter([&] {
    while (server_.requests().empty()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    client_->abort();
  });
  client_->get(server_.origin() + "/stall", body);
  aborter.join();
  EXPECT_EQ(body.view(), "begun");
}

TEST_F(HttpClientAbort, LaterTransfersEndBeforeTheyStart) {
  client_->abort();
  ByteArray body;
  client_->get(server_.origin() + "/stall", body);
  EXPECT_TRUE(body.empty());
  EXPECT_TRUE(server_.requests().empty());
}

// Bodies that never end, fast or slow: collecting stops and keeps what came.
class HttpClientLimits : public HttpClientAbort {};

TEST_F(HttpClientLimits, AnEndlessBodyStopsAtTheBound) {
  server_.on("/endless", [](Connection& c) {
    c.send(LoopbackHttpServer::response("200 OK", "", ""));
    const std::string chunk(64 * 1024, 'x');
    while (c.send(chunk)) {
    }
  });
  auto client = HttpClient::open("agent", {.maxBodyBytes = 1000000});
  ByteArray body;
  client->get(server_.origin() + "/endless", body);
  EXPECT_EQ(body.size(), 1000000u);
}

TEST_F(HttpClientLimits, ADrippingBodyEndsWithWhatCame) {
  server_.on("/drip", [](Connection& c) {
    c.send(LoopbackHttpServer::response("200 OK", "", ""));
    while (c.send("x")) std::this_thread::sleep_for(std::chrono::milliseconds(100));
  });
  auto client = HttpClient::open(
      "agent", {.lowSpeedBytes = 100, .lowSpeedWindow = std::chrono::seconds(2)});
  ByteArray body;
  client->get(server_.origin() + "/drip", body);
  EXPECT_GT(body.size(), 5u);
  EXPECT_EQ(body.view().find_first_not_of('x'), std::string_view::npos);
}

}  // namespace
}  // namespace lirvane::port
