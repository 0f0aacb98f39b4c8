// What the program hands to its HTTP client for a URL: the URL split into
// its parts, its fragment cut, and its path and query made safe for the
// request line.
//
// The number box can hold anything, and the URL carries it unescaped; the
// request line, though, must stay valid HTTP so that nothing typed or pasted
// can add a header. Bytes a request target cannot carry (controls, blanks,
// bytes of 0x80 and above, and the characters RFC 3986 leaves out) are
// percent-encoded; a "%" stays as it is only where it starts an escape.
// Pure functions; safe from any thread.
#pragma once

#include <optional>
#include <string>

#include "text/text.h"

namespace lirvane {

struct SplitUrl {
  std::string scheme;     // "http" or "https", lower case
  std::string userInfo;   // "user:password", or empty
  std::string host;       // a name, an IPv4 address or a bracketed IPv6 one
  std::string port;       // digits, or empty for the scheme's port
  std::string pathQuery;  // from the first "/" or "?", without the fragment
};

// nullopt when the URL is not an absolute http or https URL.
std::optional<SplitUrl> splitUrl(const Text& url);

// The URL as it goes on the wire: fragment cut, path and query encoded.
std::optional<std::string> wireUrl(const Text& url);

}  // namespace lirvane
