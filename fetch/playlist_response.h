// The response side of the playlist exchange: the GET and what its body
// becomes.
//
// Contract:
// - httpGetText never fails loudly: every failure (an empty or unusable URL,
//   no client, no connection, a transfer broken part-way) gives the bytes
//   that arrived, as text, or the empty Text when none did.
// - One process-wide client instance is made at the first request that
//   needs it (and tried again after a failure) and serves every later one;
//   abortPlaylistRequests() ends its transfer in progress within moments and
//   every later one before it starts, for the program's end.
// - httpGetText blocks its thread for the whole exchange; one request at a
//   time. abortPlaylistRequests() may be called from any thread.
#pragma once

#include "text/byte_array.h"
#include "text/text.h"

namespace lirvane {

namespace port {
class HttpClient;
struct HttpLimits;
}

// "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)"
inline constexpr const char* kAgentString = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";

// The bytes up to the first zero byte.
Text bytesToText(const ByteArray& bytes);

// The body of the response to a GET of `url`, whatever its status, as text.
Text httpGetText(const Text& url);
// The same through a given client instance.
Text httpGetText(port::HttpClient& client, const Text& url);

void abortPlaylistRequests();

// The limits of the process-wide client, for tests that cannot wait a
// minute for a timeout; the next request makes the client anew with them.
// Only while no request runs.
void setPlaylistRequestLimits(const port::HttpLimits& limits);

}  // namespace lirvane
