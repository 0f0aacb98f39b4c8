#include "fetch/request_url.h"

#include <gtest/gtest.h>

#include <optional>

namespace lirvane {
namespace {

struct WireCase {
  const char* what;
  Text url;
  std::optional<std::string> expected;
};

TEST(WireUrl, SplitsCutsAndEncodes) {
  const WireCase cases[] = {
      {"plain", Text("http://h.example/p?uin=1"), "http://h.example/p?uin=1"},
      {"port and user", Text("http://u:p@h:8080/p"), "http://u:p@h:8080/p"},
      {"no path", Text("http://h"), "http://h/"},
      {"query without path", Text("http://h?a=1"), "http://h/?a=1"},
      {"https and capitals", Text("HTTPS://h/x"), "https://h/x"},
      {"ipv6 literal", Text("http://[::1]:80/x"), "http://[::1]:80/x"},
      {"fragment cut", Text("http://h/p?uin=1#2 3"), "http://h/p?uin=1"},
      {"blank, tab, CR and LF encoded", Text("http://h/p?uin=1 2\t3\r\nHost: x"),
       "http://h/p?uin=1%202%093%0D%0AHost:%20x"},
      {"high bytes encoded", Text("http://h/p?uin=\xD6\xD0\xFF"), "http://h/p?uin=%D6%D0%FF"},
      {"a percent escape stays, a lone percent is encoded", Text("http://h/p?a=%41%g%"),
       "http://h/p?a=%41%25g%25"},
      {"characters a target cannot hold", Text("http://h/p?a=\"<>\\^`{|}[]\x7F"),
       "http://h/p?a=%22%3C%3E%5C%5E%60%7B%7C%7D%5B%5D%7F"},
      {"not a URL", Text("12345"), std::nullopt},
      {"another scheme", Text("ftp://h/x"), std::nullopt},
      {"file scheme", Text("file:///etc/passwd"), std::nullopt},
      {"no host", Text("http:///x"), std::nullopt},
      {"bad port", Text("http://h:80x/"), std::nullopt},
      {"port out of range", Text("http://h:70000/"), std::nullopt},
      {"blank in the host", Text("http://h x/"), std::nullopt},
      {"empty", Text(), std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(wireUrl(c.url), c.expected) << c.what;
  }
}

}  // namespace
}  // namespace lirvane
