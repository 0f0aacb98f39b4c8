#include "text/utf8.h"

#include "text/cp936.h"

namespace lirvane {

std::u16string utf8ToUtf16(std::u8string_view utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    unsigned char lead = utf8[i];
    int extra = lead < 0x80 ? 0 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    bool valid = extra >= 0 && i + extra < utf8.size();
    char32_t code = !valid ? 0 : extra == 0 ? lead : lead & (0x3F >> extra);
    for (int k = 1; valid && k <= extra; ++k) {
      unsigned char next = utf8[i + k];
      valid = (next & 0xC0) == 0x80;
      code = code << 6 | (next & 0x3F);
    }
    if (!valid || code > 0x10FFFF) {
      out.push_back(u'\uFFFD');
      i += 1;
      continue;
    }
    i += extra + 1;
    if (code >= 0x10000) {
      code -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(code));
    }
  }
  return out;
}

Text textFromUtf8(std::u8string_view utf8) { return utf16ToText(utf8ToUtf16(utf8)); }

}  // namespace lirvane
