// HttpClient: the program's HTTP client instance, a thin layer over libcurl
// that performs the one kind of request the program makes.
//
// Contract:
// - get() performs one blocking GET of an absolute http or https URL that is
//   already valid on the wire (see fetch/request_url.h): HTTP/1.0, the
//   instance's User-Agent, one "Accept: */*", the Host the client adds and no
//   other header of ours; no cache either way (libcurl keeps none); the
//   proxy from the environment (http_proxy, no_proxy), without the
//   Proxy-Connection header libcurl would add; redirects followed to http or
//   https only and at most limits.maxRedirects times; whatever the status.
// - The body of the final response is appended to `body` as it arrives, to
//   the end of the body whatever Content-Length says, and what arrived stays
//   there when the transfer fails part-way.
// - A transfer ends when no connection is made within limits.connectTimeout,
//   when nothing arrives for limits.stallTimeout, or when less than
//   limits.lowSpeedBytes a second arrive over limits.lowSpeedWindow (a
//   server that drips an endless body). It also ends once limits.maxBodyBytes
//   have been collected: no real playlist comes near, and an endless body
//   must not take the machine's memory. Each time what arrived is kept.
// - abort() may be called from any thread: the transfer in progress ends at
//   once and every later one ends before it starts.
// - get() is for one thread at a time; abort() for any thread at any time.
#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "text/byte_array.h"

namespace lirvane::port {

struct HttpLimits {
  std::chrono::milliseconds connectTimeout{std::chrono::seconds(60)};
  std::chrono::milliseconds stallTimeout{std::chrono::seconds(60)};
  long lowSpeedBytes = 100;
  std::chrono::seconds lowSpeedWindow{60};
  std::size_t maxBodyBytes = 32 * 1024 * 1024;
  long maxRedirects = 10;
};

class HttpClient {
 public:
  // nullptr when the HTTP library cannot be set up.
  static std::unique_ptr<HttpClient> open(std::string agent, HttpLimits limits = {});
  ~HttpClient();
  HttpClient(const HttpClient&) = delete;
  HttpClient& operator=(const HttpClient&) = delete;

  void get(const std::string& url, ByteArray& body);
  void abort();

 private:
  HttpClient(std::string agent, HttpLimits limits);

  const std::string agent_;
  const HttpLimits limits_;
  std::atomic<bool> aborted_{false};

  // Guards the handle of the transfer in progress, which abort() wakes.
  std::mutex activeMutex_;
  void* activeMulti_ = nullptr;
};

// The size of one read of the body for a response whose Content-Length
// header holds `value` (nullptr when there is none): n + 1 for a length n
// from 1 to 102399, 102400 from there on, and 10240 when the header is
// missing or reads as 0 or less. The value is read as strtol reads it.
std::size_t readChunkSize(const char* value);

}  // namespace lirvane::port
