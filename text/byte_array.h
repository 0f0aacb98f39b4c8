// ByteArray: a counted buffer of raw bytes, as they came from the network.
// Unlike Text it may hold zero bytes; an empty one means nothing was received.
// Plain value type; not synchronised.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lirvane {

class ByteArray {
 public:
  ByteArray() = default;
  explicit ByteArray(std::string_view bytes) : bytes_(bytes) {}

  bool empty() const { return bytes_.empty(); }
  std::size_t size() const { return bytes_.size(); }
  std::string_view view() const { return bytes_; }

  void append(const char* data, std::size_t count) { bytes_.append(data, count); }
  void reserve(std::size_t count) { bytes_.reserve(count); }

 private:
  std::string bytes_;
};

}  // namespace lirvane
