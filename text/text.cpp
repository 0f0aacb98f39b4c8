#include "text/text.h"

#include <ostream>

namespace lirvane {

Text::Text(std::string_view bytes) : bytes_(bytes.substr(0, bytes.find('\0'))) {}

Text& Text::operator+=(const Text& other) {
  bytes_ += other.bytes_;
  return *this;
}

std::ostream& operator<<(std::ostream& out, const Text& text) {
  static const char kHex[] = "0123456789ABCDEF";
  out << '"';
  for (unsigned char c : text.bytes()) {
    if (c >= 0x20 && c < 0x7F && c != '\\' && c != '"') {
      out << c;
    } else {
      out << "\\x" << kHex[c >> 4] << kHex[c & 0xF];
    }
  }
  return out << '"';
}

}  // namespace lirvane
