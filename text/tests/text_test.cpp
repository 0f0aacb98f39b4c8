#include "text/text.h"

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

}  // namespace
}  // namespace lirvane
