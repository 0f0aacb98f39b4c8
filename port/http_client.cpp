#include "port/http_client.h"

#include <curl/curl.h>

#include <algorithm>
#include <climits>

namespace lirvane::port {
namespace {

using Clock = std::chrono::steady_clock;

constexpr std::size_t kMaxChunk = 102400;
constexpr std::size_t kDefaultChunk = 10240;
constexpr auto kPollInterval = std::chrono::milliseconds(1000);

bool globalInit() {
  static const bool ok = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
  return ok;
}

// State of one transfer, shared with libcurl's callbacks.
struct Transfer {
  ByteArray& body;
  std::size_t maxBody;
  std::size_t chunkSize = kDefaultChunk;
  bool bodyStarted = false;
  Clock::time_point lastActivity = Clock::now();

  static size_t onHeader(char* data, size_t size, size_t count, void* self) {
    auto* t = static_cast<Transfer*>(self);
    t->lastActivity = Clock::now();
    std::string_view line(data, size * count);
    constexpr std::string_view kLength = "content-length:";
    if (line.starts_with("HTTP/")) {
      t->chunkSize = kDefaultChunk;  // a new response, after a redirect
    } else if (line.size() > kLength.size() &&
               std::equal(kLength.begin(), kLength.end(), line.begin(), [](char a, char b) {
                 return a == (b >= 'A' && b <= 'Z' ? b + 32 : b);
               })) {
      std::string value(line.substr(kLength.size()));
      t->chunkSize = readChunkSize(value.c_str());
    }
    return size * count;
  }

  static size_t onBody(char* data, size_t size, size_t count, void* self) {
    auto* t = static_cast<Transfer*>(self);
    t->lastActivity = Clock::now();
    if (!t->bodyStarted) {
      // The read buffer of the platform's client, allocated once per
      // request: here the body's first allocation, n + 1 for a body of
      // announced length n, so such a body is collected without growing.
      t->body.reserve(t->chunkSize);
      t->bodyStarted = true;
    }
    std::size_t room = t->maxBody - std::min(t->maxBody, t->body.size());
    std::size_t bytes = size * count;
    t->body.append(data, std::min(bytes, room));
    return bytes <= room ? bytes : 0;  // 0 ends the transfer: the body is full
  }

  // Called once the connection is made, before the request goes out: the
  // connect time counts against the connect timeout only.
  static int onConnected(void* self, char*, char*, int, int) {
    static_cast<Transfer*>(self)->lastActivity = Clock::now();
    return CURL_PREREQFUNC_OK;
  }
};

struct EasyDeleter {
  void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};
struct MultiDeleter {
  void operator()(CURLM* multi) const { curl_multi_cleanup(multi); }
};
struct ListDeleter {
  void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

}  // namespace

std::size_t readChunkSize(const char* value) {
  if (!value) return kDefaultChunk;
  long long n = std::strtoll(value, nullptr, 10);
  if (n <= 0) return kDefaultChunk;
  return n < static_cast<long long>(kMaxChunk) ? static_cast<std::size_t>(n) + 1 : kMaxChunk;
}

std::unique_ptr<HttpClient> HttpClient::open(std::string agent, HttpLimits limits) {
  if (!globalInit()) return nullptr;
  return std::unique_ptr<HttpClient>(new HttpClient(std::move(agent), limits));
}

HttpClient::HttpClient(std::string agent, HttpLimits limits)
    : agent_(std::move(agent)), limits_(limits) {}

HttpClient::~HttpClient() = default;

void HttpClient::abort() {
  aborted_ = true;
  std::lock_guard lock(activeMutex_);
  if (activeMulti_) curl_multi_wakeup(static_cast<CURLM*>(activeMulti_));
}

void HttpClient::get(const std::string& url, ByteArray& body) {
  if (aborted_) return;
  std::unique_ptr<CURL, EasyDeleter> easy(curl_easy_init());
  std::unique_ptr<CURLM, MultiDeleter> multi(curl_multi_init());
  if (!easy || !multi) return;
  curl_slist* list = nullptr;
  for (const char* header : {"Accept: */*", "Proxy-Connection:"}) {
    curl_slist* longer = curl_slist_append(list, header);
    if (!longer) {
      curl_slist_free_all(list);
      return;
    }
    list = longer;
  }
  std::unique_ptr<curl_slist, ListDeleter> headers(list);

  Transfer transfer{body, limits_.maxBodyBytes};
  CURL* e = easy.get();
  curl_easy_setopt(e, CURLOPT_URL, url.c_str());
  curl_easy_setopt(e, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(e, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_0);
  curl_easy_setopt(e, CURLOPT_USERAGENT, agent_.c_str());
  curl_easy_setopt(e, CURLOPT_HTTPHEADER, headers.get());
  curl_easy_setopt(e, CURLOPT_PATH_AS_IS, 1L);
  curl_easy_setopt(e, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(e, CURLOPT_MAXREDIRS, limits_.maxRedirects);
  curl_easy_setopt(e, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  // Read to the end of the body whatever the length says: libcurl would
  // stop at a short Content-Length and refuse a negative or garbled one.
  curl_easy_setopt(e, CURLOPT_IGNORE_CONTENT_LENGTH, 1L);
  curl_easy_setopt(e, CURLOPT_FORBID_REUSE, 1L);
  curl_easy_setopt(e, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(e, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits_.connectTimeout.count()));
  curl_easy_setopt(e, CURLOPT_LOW_SPEED_LIMIT, limits_.lowSpeedBytes);
  curl_easy_setopt(e, CURLOPT_LOW_SPEED_TIME, static_cast<long>(limits_.lowSpeedWindow.count()));
  curl_easy_setopt(e, CURLOPT_HEADERFUNCTION, &Transfer::onHeader);
  curl_easy_setopt(e, CURLOPT_HEADERDATA, &transfer);
  curl_easy_setopt(e, CURLOPT_WRITEFUNCTION, &Transfer::onBody);
  curl_easy_setopt(e, CURLOPT_WRITEDATA, &transfer);
  curl_easy_setopt(e, CURLOPT_PREREQFUNCTION, &Transfer::onConnected);
  curl_easy_setopt(e, CURLOPT_PREREQDATA, &transfer);
  if (curl_multi_add_handle(multi.get(), e) != CURLM_OK) return;

  {
    std::lock_guard lock(activeMutex_);
    activeMulti_ = multi.get();
  }
  int running = 1;
  while (!aborted_) {
    if (curl_multi_perform(multi.get(), &running) != CURLM_OK || running == 0) break;
    auto idle = Clock::now() - transfer.lastActivity;
    if (idle >= limits_.stallTimeout) break;
    auto wait = std::min<Clock::duration>(kPollInterval, limits_.stallTimeout - idle);
    auto waitMs = std::chrono::ceil<std::chrono::milliseconds>(wait).count();
    curl_multi_poll(multi.get(), nullptr, 0, static_cast<int>(waitMs), nullptr);
  }
  {
    std::lock_guard lock(activeMutex_);
    activeMulti_ = nullptr;
  }
  curl_multi_remove_handle(multi.get(), e);
}

}  // namespace lirvane::port
