#include "text/text.h"

namespace lirvane {

Text::Text(std::string_view bytes) : bytes_(bytes.substr(0, bytes.find('\0'))) {}

Text& Text::operator+=(const Text& other) {
  bytes_ += other.bytes_;
  return *this;
}

}  // namespace lirvane
