// UTF-8 into the program's own encodings, for the texts written in the
// source: the program's Chinese texts are kept readable as u8"..." literals
// and become code page 936 Texts through textFromUtf8. Taking char8_t keeps
// plain byte strings from being taken for UTF-8 by accident.
// Pure functions; safe from any thread.
#pragma once

#include <string>
#include <string_view>

#include "text/text.h"

namespace lirvane {

// Malformed sequences become U+FFFD.
std::u16string utf8ToUtf16(std::u8string_view utf8);
Text textFromUtf8(std::u8string_view utf8);

}  // namespace lirvane
