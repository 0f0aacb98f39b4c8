// Lirvane, until its window exists: fetches the playlist of the number given
// on the command line and prints each song as the window will list it.
#include <cstdio>
#include <string>

#include "fetch/playlist_request.h"
#include "fetch/playlist_response.h"
#include "regex/automation/com_runtime.h"
#include "regex/regex_matcher.h"
#include "text/cp936.h"

namespace {

// For the terminal only: the program's texts are code page 936.
std::string toUtf8(const lirvane::Text& text) {
  std::string out;
  for (char16_t unit : lirvane::cp936ToUtf16(text)) {
    char32_t c = unit;
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      out.push_back(static_cast<char>(0xC0 | c >> 6));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xE0 | c >> 12));
      out.push_back(static_cast<char>(0x80 | (c >> 6 & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace lirvane;
  std::fprintf(stderr,
               "Lirvane's window is not built yet; this build fetches one playlist and prints "
               "it.\nUsage: lirvane [QQ number]   (the proxy comes from http_proxy)\n");
  Text number(argc > 1 ? argv[1] : "10001");
  RegexMatcher matcher;
  Text response = httpGetText(playlistUrl(number));
  int count = 0;
  if (!response.empty()) {
    automation::CoInitialize(nullptr);
    matcher.create(songPattern(), response);
    count = matcher.matchCount();
    for (int i = 1; i <= count; ++i) {
      Text row = matcher.subMatchText(i, 2) + Text("-") + matcher.subMatchText(i, 1);
      std::printf("%s\t%s\n", toUtf8(row).c_str(), toUtf8(matcher.subMatchText(i, 3)).c_str());
    }
    automation::CoUninitialize();
  }
  std::printf("QQ:%s 获取完成,空间音乐总数:%d首\n", toUtf8(number).c_str(), count);
  return 0;
}
