#include "fetch/playlist_response.h"

#include <memory>
#include <mutex>

#include "fetch/request_url.h"
#include "port/http_client.h"

namespace lirvane {
namespace {

// Guards the process-wide client instance; made on first use.
std::mutex g_clientMutex;
std::unique_ptr<port::HttpClient> g_client;
port::HttpLimits g_limits;
bool g_aborted = false;

port::HttpClient* sharedClient() {
  std::lock_guard lock(g_clientMutex);
  if (!g_client) {
    g_client = port::HttpClient::open(kAgentString, g_limits);
    if (g_client && g_aborted) g_client->abort();
  }
  return g_client.get();
}

}  // namespace

Text bytesToText(const ByteArray& bytes) { return Text(bytes.view()); }

Text httpGetText(const Text& url) {
  if (url.empty()) return Text();
  port::HttpClient* client = sharedClient();
  return client ? httpGetText(*client, url) : Text();
}

Text httpGetText(port::HttpClient& client, const Text& url) {
  auto wire = wireUrl(url);
  if (!wire) return Text();
  ByteArray body;
  client.get(*wire, body);
  return bytesToText(body);
}

void setPlaylistRequestLimits(const port::HttpLimits& limits) {
  std::lock_guard lock(g_clientMutex);
  g_limits = limits;
  g_client.reset();
}

void abortPlaylistRequests() {
  std::lock_guard lock(g_clientMutex);
  g_aborted = true;
  if (g_client) g_client->abort();
}

}  // namespace lirvane
