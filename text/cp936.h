// Conversion between code page 936 and UTF-16, exactly as Windows converts
// (MultiByteToWideChar / WideCharToMultiByte with code page 936 and no flags).
//
// Contract:
// - Reading: bytes 0x00..0x80 and 0xFF stand alone (0x80 is U+20AC, 0xFF is
//   U+F8F5); 0x81..0xFE lead a pair. A lead byte at the end of the input or
//   before a zero byte gives "?" and only the lead byte is consumed; a lead
//   byte before any other byte that is not a trail byte gives one "?" for
//   both bytes.
// - Writing: every UTF-16 unit Windows cannot write gives "?" (so a surrogate
//   pair gives "??"); Windows' best-fit choices apply (U+00C9 -> A8 A6).
// - Valid input round-trips byte for byte.
// - Pure functions over read-only tables: safe from any thread.
#pragma once

#include <string>
#include <string_view>

#include "text/text.h"

namespace lirvane {

std::u16string cp936ToUtf16(std::string_view bytes);
inline std::u16string cp936ToUtf16(const Text& text) { return cp936ToUtf16(text.bytes()); }

// Bytes of the units; a zero unit gives a zero byte (see utf16ToText).
std::string utf16ToCp936(std::u16string_view units);
// As a Text, which keeps the bytes before the first zero.
inline Text utf16ToText(std::u16string_view units) { return Text(utf16ToCp936(units)); }

}  // namespace lirvane
