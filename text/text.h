// Text: a value type for byte strings in code page 936 (GBK), the program's
// one representation of every text it shows or handles.
//
// Contract:
// - A Text holds bytes, never UTF-8: it is built only explicitly from bytes
//   (Text(std::string_view)), and offers no conversion to or from std::string
//   so that a UTF-8 string cannot slip in or out by accident. Conversions to
//   and from UTF-16 live in text/cp936.h.
// - A Text is zero-terminated in spirit: it never holds a zero byte; building
//   one from bytes keeps those before the first zero.
// - "Absent" and empty are the same value here: a default Text is "", it
//   compares equal to "" and adds nothing to a concatenation.
// - Comparison is byte by byte on unsigned bytes.
// - Plain value semantics; a Text is safe to share between threads read-only.
#pragma once

#include <compare>
#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>

namespace lirvane {

class Text {
 public:
  Text() = default;
  // Takes the bytes up to the first zero byte.
  explicit Text(std::string_view bytes);

  bool empty() const { return bytes_.empty(); }
  std::size_t size() const { return bytes_.size(); }
  unsigned char byteAt(std::size_t i) const { return static_cast<unsigned char>(bytes_[i]); }
  // The bytes, without a terminating zero in the view (c_str() has one).
  std::string_view bytes() const { return bytes_; }
  const char* c_str() const { return bytes_.c_str(); }

  Text& operator+=(const Text& other);
  friend Text operator+(Text left, const Text& right) { return left += right; }

  friend bool operator==(const Text&, const Text&) = default;
  friend std::strong_ordering operator<=>(const Text& a, const Text& b) {
    // std::string compares through char_traits<char>, which orders bytes as
    // unsigned, as the platform's byte comparison does.
    return a.bytes_.compare(b.bytes_) <=> 0;
  }

 private:
  std::string bytes_;
};

// Writes the bytes, escaping those outside printable ASCII as \xHH; for
// diagnostics.
std::ostream& operator<<(std::ostream& out, const Text& text);

}  // namespace lirvane
