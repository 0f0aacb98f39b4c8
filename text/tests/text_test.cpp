#include "text/text.h"

#include "text/utf8.h"

#include <gtest/gtest.h>

namespace lirvane {
namespace {

TEST(Text, DefaultIsEmptyAndEqualToEmptyBytes) {
  Text absent;
  EXPECT_TRUE(absent.empty());
  EXPECT_EQ(absent, Text(""));
  EXPECT_STREQ(absent.c_str(), "");
}

TEST(Text, KeepsBytesBeforeTheFirstZero) {
  using namespace std::string_view_literals;
  EXPECT_EQ(Text("ab\0cd"sv).bytes(), "ab");
  EXPECT_TRUE(Text("\0x"sv).empty());
}

TEST(Text, ConcatenationAddsLengthsAndAbsentAddsNothing) {
  Text joined = Text("\xD6\xD0") + Text() + Text("a");
  EXPECT_EQ(joined.size(), 3u);
  EXPECT_EQ(joined.bytes(),
            "\xD6\xD0"
            "a");
}

TEST(Text, OrdersBytesAsUnsigned) {
  EXPECT_LT(Text("a"), Text("\x80"));
  EXPECT_LT(Text(""), Text("\x01"));
  EXPECT_LT(Text("ab"), Text("abc"));
}

TEST(TextFromUtf8, WritesSourceLiteralsInCodePage936) {
  EXPECT_EQ(textFromUtf8(u8"获取中.."), Text("\xBB\xF1\xC8\xA1\xD6\xD0.."));
  EXPECT_EQ(textFromUtf8(u8" － "), Text(" \xA3\xAD "));
  EXPECT_EQ(utf8ToUtf16(u8"a\U0001F600"), u"a\U0001F600");
  // A stray continuation byte and a truncated sequence each become U+FFFD.
  std::u8string broken{u8'a', char8_t(0x80), char8_t(0xE4), char8_t(0xB8)};
  EXPECT_EQ(utf8ToUtf16(broken), u"a\uFFFD\uFFFD\uFFFD");
}

}  // namespace
}  // namespace lirvane
