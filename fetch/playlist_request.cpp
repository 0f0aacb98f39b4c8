#include "fetch/playlist_request.h"

#include <string>

namespace lirvane {
namespace {

constexpr unsigned char kIdeographicSpaceByte = 0xA1;

bool isLead(unsigned char byte) { return byte >= 0x80; }

}  // namespace

Text playlistUrlPrefix() {
  return Text("http://") + Text(kPlaylistHost) + Text("/fcg-bin/cgi_playlist_xml.fcg?uin=");
}

Text trimBlanks(const Text& text) {
  std::string_view bytes = text.bytes();
  std::size_t begin = 0;
  while (begin < bytes.size()) {
    if (bytes[begin] == ' ') {
      begin += 1;
    } else if (text.byteAt(begin) == kIdeographicSpaceByte && begin + 1 < bytes.size() &&
               text.byteAt(begin + 1) == kIdeographicSpaceByte) {
      begin += 2;
    } else {
      break;
    }
  }
  // Walk the rest a character at a time, remembering where the run of
  // blanks that reaches the end (if any) starts.
  std::size_t end = bytes.size();
  std::size_t blanksFrom = bytes.size();
  for (std::size_t i = begin; i < bytes.size();) {
    if (!isLead(text.byteAt(i))) {
      blanksFrom = bytes[i] == ' ' ? std::min(blanksFrom, i) : bytes.size();
      i += 1;
    } else if (i + 1 == bytes.size()) {
      // A lone lead byte at the end goes, and the blanks before it stay.
      blanksFrom = bytes.size();
      end = i;
      i += 1;
    } else {
      bool ideographicSpace =
          text.byteAt(i) == kIdeographicSpaceByte && text.byteAt(i + 1) == kIdeographicSpaceByte;
      blanksFrom = ideographicSpace ? std::min(blanksFrom, i) : bytes.size();
      i += 2;
    }
  }
  end = std::min(end, blanksFrom);
  return Text(bytes.substr(begin, end - begin));
}

Text playlistUrl(const Text& number) { return playlistUrlPrefix() + trimBlanks(number); }

Text numberText(int number) { return Text(std::to_string(number)); }

Text songPattern() {
  return Text(
      "\\[CDATA\\[(.*?)\\s\\]\\]></xsinger_name>"
      "\n"
      "<xsong_name><!\\[CDATA\\[(.*?)\\s\\]\\]></xsong_name>"
      "\n"
      "<xsong_url><!\\[CDATA\\[(.*?)\\s\\]\\]></xsong_");
}

}  // namespace lirvane
