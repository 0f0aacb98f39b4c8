#include "text/cp936.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace lirvane {
namespace {

using namespace std::string_literals;

struct Reading {
  const char* what;
  std::string bytes;
  std::u16string units;
};

// Each case is one where Windows' table differs from plain GBK (or from
// GB18030), or where Windows treats a broken sequence in its own way.
const Reading kReadings[] = {
    {"ascii", "Az09", u"Az09"},
    {"euro sign alone", "\x80", u"\u20AC"},
    {"0xFF is private use", "\xFF", u"\uF8F5"},
    {"user-defined area A1 40", "\xA1\x40", u"\uE4C6"},
    {"user-defined area FE FE", "\xFE\xFE", u"\uE4C5"},
    {"A2 E3 is private use, not the euro", "\xA2\xE3", u"\uE76C"},
    {"A8 BF is private use, not U+01F9", "\xA8\xBF", u"\uE7C8"},
    {"FE 50 is private use, not U+2E81", "\xFE\x50", u"\uE815"},
    {"A9 89 is private use, not U+303E", "\xA9\x89", u"\uE7E7"},
    {"middle dot", "\xA1\xA4", u"\u00B7"},
    {"em dash", "\xA1\xAA", u"\u2014"},
    {"chinese", "\xD6\xD0\xCE\xC4", u"\u4E2D\u6587"},
    {"lead byte at the end", "\x41\x81", u"A?"},
    {"lead byte before zero", "\x81\x00\x41"s, u"?\0A"s},
    {"lead byte before a non-trail byte", "\x81\x20\x41", u"?A"},
    {"lead byte before 0x7F", "\x81\x7F", u"?"},
    {"lead byte before 0xFF", "\x81\xFF\x41", u"?A"},
    {"two lead bytes make a pair", "\x81\x81", u"\u4E96"},
};

TEST(Cp936, ReadsAsWindowsDoes) {
  for (const auto& c : kReadings) {
    EXPECT_EQ(cp936ToUtf16(c.bytes), c.units) << c.what;
  }
}

struct Writing {
  const char* what;
  std::u16string units;
  std::string bytes;
};

const Writing kWritings[] = {
    {"euro sign", u"\u20AC", "\x80"},
    {"private use back to 0xFF", u"\uF8F5", "\xFF"},
    {"private use back to A1 40", u"\uE4C6", "\xA1\x40"},
    {"best fit: E acute", u"\u00C9", "\xA8\xA6"},
    {"best fit: yen sign", u"\u00A5", "\xA3\xA4"},
    {"best fit: soft hyphen", u"\u00AD", "\x2D"},
    {"best fit: tilde operator", u"\u223C", "\xA1\xAB"},
    {"zero width space has no mapping", u"\u200B", "?"},
    {"byte order mark has no mapping", u"\uFEFF", "?"},
    {"halfwidth ideographic full stop has no mapping", u"\uFF61", "?"},
    {"a surrogate pair is two unknown units", u"\U0001F600", "??"},
    {"a lone surrogate", u"\xD800"s, "?"},
    {"zero unit", u"a\0b"s, "a\0b"s},
};

TEST(Cp936, WritesAsWindowsDoes) {
  for (const auto& c : kWritings) {
    EXPECT_EQ(utf16ToCp936(c.units), c.bytes) << c.what;
  }
}

TEST(Cp936, TextStopsAtTheFirstZeroUnit) { EXPECT_EQ(utf16ToText(u"ab\0c"s).bytes(), "ab"); }

// Every valid single byte and every valid pair, read and written back.
TEST(Cp936, EveryValidCodeRoundTrips) {
  std::string all;
  for (int byte = 0; byte < 256; ++byte) {
    if (byte < 0x81 || byte == 0xFF) all.push_back(static_cast<char>(byte));
  }
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      if (trail == 0x7F) continue;
      all.push_back(static_cast<char>(lead));
      all.push_back(static_cast<char>(trail));
    }
  }
  std::u16string units = cp936ToUtf16(all);
  EXPECT_EQ(units.size(), 130u + 126u * 190u);
  // Only the byte 0x3F itself reads as "?": nothing valid falls back to it.
  EXPECT_EQ(std::count(units.begin(), units.end(), u'?'), 1);
  EXPECT_EQ(utf16ToCp936(units), all);
}

}  // namespace
}  // namespace lirvane
