// httpGetText against a local server that logs each raw request and answers
// each path with one scenario.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "fetch/playlist_request.h"
#include "fetch/playlist_response.h"
#include "port/http_client.h"
#include "tools/loopback_http/loopback_http_server.h"

namespace lirvane {
namespace {

using tools::Connection;
using tools::LoopbackHttpServer;
using namespace std::string_literals;

constexpr const char* kProxyVariables[] = {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY",
                                           "all_proxy",  "ALL_PROXY",  "no_proxy",    "NO_PROXY"};

LoopbackHttpServer::Scenario reply(const std::string& status, const std::string& headers,
                                   const std::string& body) {
  return [=](Connection& c) { c.send(LoopbackHttpServer::response(status, headers, body)); };
}

std::string expectedRequest(const std::string& target, const std::string& host) {
  return "GET " + target + " HTTP/1.0\r\nHost: " + host + "\r\nUser-Agent: " + kAgentString +
         "\r\nAccept: */*\r\n\r\n";
}

class HttpGetText : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : kProxyVariables) unsetenv(name);
    const std::string big(200000, 'x');
    server_.on("/song", reply("200 OK", "Content-Length: 5\r\n", "songs"));
    server_.on("/cl-missing", reply("200 OK", "", "abc"));
    server_.on("/cl-zero", reply("200 OK", "Content-Length: 0\r\n", "abc"));
    server_.on("/cl-negative", reply("200 OK", "Content-Length: -1\r\n", "abc"));
    server_.on("/cl-garbage", reply("200 OK", "Content-Length: 12abc\r\n", "abcdefghijklmnop"));
    server_.on("/cl-short", reply("200 OK", "Content-Length: 2\r\n", "abcdef"));
    server_.on("/cl-huge", reply("200 OK", "Content-Length: 99999999999999999999\r\n", "abcdef"));
    server_.on("/cl-large", reply("200 OK", "Content-Length: 102400\r\n", big));
    server_.on("/not-found", reply("404 Not Found", "", "missing page"));
    server_.on("/server-error", reply("500 Internal Server Error", "", "broken"));
    server_.on("/hop1", reply("302 Found", "Location: /hop2\r\n", "moved"));
    server_.on("/hop2", reply("301 Moved Permanently",
                              "Location: " + server_.origin() + "/final\r\n", "moved"));
    server_.on("/final", reply("200 OK", "", "final body"));
    server_.on("/loop", reply("302 Found", "Location: /loop\r\n", "again"));
    server_.on("/to-file", reply("302 Found", "Location: file:///etc/passwd\r\n", "x"));
    server_.on("/to-ftp", reply("302 Found", "Location: ftp://127.0.0.1/x\r\n", "x"));
    server_.on("/nul", reply("200 OK", "", "ab\0cd"s));
    server_.on("/no-body", reply("200 OK", "Content-Length: 0\r\n", ""));
    server_.on("/reset", [](Connection& c) {
      c.send(LoopbackHttpServer::response("200 OK", "Content-Length: 100\r\n", "partial"));
      c.reset();
    });
    server_.on("/stall", [](Connection& c) {
      c.send(LoopbackHttpServer::response("200 OK", "", "begun"));
      c.waitForPeer();
    });
    server_.on("/silent", [](Connection& c) { c.waitForPeer(); });
  }

  Text get(const std::string& path) { return httpGetText(Text(server_.origin() + path)); }

  LoopbackHttpServer server_;
};

TEST_F(HttpGetText, SendsExactlyTheRequestOfThePlatformClient) {
  EXPECT_EQ(get("/song?uin=12345"), Text("songs"));
  ASSERT_EQ(server_.requests().size(), 1u);
  EXPECT_EQ(server_.requests()[0],
            expectedRequest("/song?uin=12345", "127.0.0.1:" + std::to_string(server_.port())));
}

TEST_F(HttpGetText, NothingInTheNumberCanBreakTheRequestLine) {
  Text url = Text(server_.origin() + "/song?uin=") +
             Text("1 2\t3\r\nX-Injected: 1\x01\xD6\xD0%41%#fragment");
  EXPECT_EQ(httpGetText(url), Text("songs"));
  ASSERT_EQ(server_.requests().size(), 1u);
  EXPECT_EQ(server_.requests()[0],
            expectedRequest("/song?uin=1%202%093%0D%0AX-Injected:%201%01%D6%D0%41%25",
                            "127.0.0.1:" + std::to_string(server_.port())));
}

struct BodyCase {
  const char* path;
  std::string expected;
};

TEST_F(HttpGetText, ReturnsTheWholeBodyWhateverTheHeadersSay) {
  const BodyCase cases[] = {
      {"/cl-missing", "abc"},
      {"/cl-zero", "abc"},
      {"/cl-negative", "abc"},
      {"/cl-garbage", "abcdefghijklmnop"},
      {"/cl-short", "abcdef"},
      {"/cl-huge", "abcdef"},
      {"/cl-large", std::string(200000, 'x')},
      {"/not-found", "missing page"},
      {"/server-error", "broken"},
      {"/hop1", "final body"},
      {"/nul", "ab"},
      {"/no-body", ""},
      {"/reset", "partial"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(get(c.path).bytes(), c.expected) << c.path;
  }
}

TEST_F(HttpGetText, FollowsRedirectsWithoutAReferer) {
  EXPECT_EQ(get("/hop1"), Text("final body"));
  auto requests = server_.requests();
  ASSERT_EQ(requests.size(), 3u);
  EXPECT_EQ(requests[2], expectedRequest("/final", "127.0.0.1:" + std::to_string(server_.port())));
}

TEST_F(HttpGetText, RedirectsEndAfterBoundedHopsAndOnlyToHttp) {
  EXPECT_EQ(get("/loop"), Text());
  EXPECT_LE(server_.requests().size(), 11u);
  EXPECT_EQ(get("/to-file"), Text());
  EXPECT_EQ(get("/to-ftp"), Text());
}

TEST_F(HttpGetText, UnusableUrlsSendNothing) {
  for (const char* url : {"", "12345", "ftp://127.0.0.1/x", "http://", "http://a b/"}) {
    EXPECT_EQ(httpGetText(Text(url)), Text()) << url;
  }
  EXPECT_TRUE(server_.requests().empty());
}

TEST_F(HttpGetText, AConnectionRefusedGivesNothing) {
  int port;
  {
    LoopbackHttpServer closed;
    port = closed.port();
  }
  EXPECT_EQ(httpGetText(Text("http://127.0.0.1:" + std::to_string(port) + "/x")), Text());
}

TEST_F(HttpGetText, AStalledServerEndsTheFetchWithWhatCame) {
  auto client = port::HttpClient::open(kAgentString, {.stallTimeout = std::chrono::seconds(1)});
  ASSERT_TRUE(client);
  EXPECT_EQ(httpGetText(*client, Text(server_.origin() + "/stall")), Text("begun"));
  EXPECT_EQ(httpGetText(*client, Text(server_.origin() + "/silent")), Text());
}

TEST_F(HttpGetText, GoesThroughTheProxyOfTheEnvironment) {
  setenv("http_proxy", server_.origin().c_str(), 1);
  Text url = playlistUrl(Text(" 10001 "));
  EXPECT_EQ(httpGetText(url), Text("no scenario for /fcg-bin/cgi_playlist_xml.fcg"));
  ASSERT_EQ(server_.requests().size(), 1u);
  EXPECT_EQ(server_.requests()[0],
            expectedRequest("http://qzone-music.qq.com/fcg-bin/cgi_playlist_xml.fcg?uin=10001",
                            "qzone-music.qq.com"));
  unsetenv("http_proxy");
}

TEST_F(HttpGetText, NoProxyIsHonoured) {
  setenv("http_proxy", "http://127.0.0.1:9", 1);  // nothing listens there
  setenv("no_proxy", "127.0.0.1", 1);
  EXPECT_EQ(get("/song"), Text("songs"));
  unsetenv("http_proxy");
  unsetenv("no_proxy");
}

}  // namespace
}  // namespace lirvane
