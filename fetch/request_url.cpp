#include "fetch/request_url.h"

#include <string_view>

namespace lirvane {
namespace {

bool isAlpha(unsigned char c) { return (c | 0x20) >= 'a' && (c | 0x20) <= 'z'; }
bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }
bool isHex(unsigned char c) { return isDigit(c) || ((c | 0x20) >= 'a' && (c | 0x20) <= 'f'); }

// Characters a request target carries as they are (RFC 3986's unreserved,
// sub-delims, ":", "@", "/" and "?").
bool isTargetSafe(unsigned char c) {
  return isAlpha(c) || isDigit(c) ||
         std::string_view("-._~!$&'()*+,;=:@/?").find(c) != std::string_view::npos;
}

bool isHostChar(unsigned char c) {
  return isAlpha(c) || isDigit(c) || std::string_view("-._~").find(c) != std::string_view::npos;
}

std::string percentEncode(std::string_view bytes, std::string_view alsoEncode = {}) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    auto c = static_cast<unsigned char>(bytes[i]);
    bool escapeStart =
        c == '%' && i + 2 < bytes.size() && isHex(bytes[i + 1]) && isHex(bytes[i + 2]);
    if ((isTargetSafe(c) && alsoEncode.find(c) == std::string_view::npos) || escapeStart) {
      out.push_back(static_cast<char>(c));
    } else {
      out.push_back('%');
      out.push_back(kHex[c >> 4]);
      out.push_back(kHex[c & 0xF]);
    }
  }
  return out;
}

bool validHost(std::string_view host) {
  if (host.empty()) return false;
  if (host.front() == '[') {
    if (host.size() < 3 || host.back() != ']') return false;
    for (char c : host.substr(1, host.size() - 2)) {
      if (!isHex(c) && c != ':' && c != '.') return false;
    }
    return true;
  }
  for (char c : host) {
    if (!isHostChar(c)) return false;
  }
  return true;
}

bool validPort(std::string_view port) {
  if (port.empty() || port.size() > 5) return false;
  unsigned value = 0;
  for (char c : port) {
    if (!isDigit(c)) return false;
    value = value * 10 + (c - '0');
  }
  return value >= 1 && value <= 65535;
}

}  // namespace

std::optional<SplitUrl> splitUrl(const Text& url) {
  std::string_view rest = url.bytes();
  rest = rest.substr(0, rest.find('#'));
  std::size_t schemeEnd = rest.find("://");
  if (schemeEnd == std::string_view::npos) return std::nullopt;
  SplitUrl split;
  for (char c : rest.substr(0, schemeEnd)) split.scheme.push_back(static_cast<char>(c | 0x20));
  if (split.scheme != "http" && split.scheme != "https") return std::nullopt;
  rest.remove_prefix(schemeEnd + 3);

  std::size_t authorityEnd = rest.find_first_of("/?");
  std::string_view authority = rest.substr(0, authorityEnd);
  std::string_view pathQuery =
      authorityEnd == std::string_view::npos ? std::string_view() : rest.substr(authorityEnd);
  if (std::size_t at = authority.rfind('@'); at != std::string_view::npos) {
    split.userInfo = percentEncode(authority.substr(0, at), "@/?");
    authority.remove_prefix(at + 1);
  }
  std::size_t colon = authority.rfind(':');
  if (colon != std::string_view::npos && authority.find(']', colon) == std::string_view::npos) {
    split.port = authority.substr(colon + 1);
    authority = authority.substr(0, colon);
    if (!validPort(split.port)) return std::nullopt;
  }
  if (!validHost(authority)) return std::nullopt;
  split.host = authority;
  split.pathQuery = std::string(pathQuery.empty() || pathQuery.front() == '?' ? "/" : "") +
                    percentEncode(pathQuery);
  return split;
}

std::optional<std::string> wireUrl(const Text& url) {
  auto split = splitUrl(url);
  if (!split) return std::nullopt;
  std::string wire = split->scheme + "://";
  if (!split->userInfo.empty()) wire += split->userInfo + "@";
  wire += split->host;
  if (!split->port.empty()) wire += ":" + split->port;
  return wire + split->pathQuery;
}

}  // namespace lirvane
