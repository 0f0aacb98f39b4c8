#include "fetch/playlist_request.h"

#include <gtest/gtest.h>

#include <climits>

#include "fetch/playlist_response.h"

namespace lirvane {
namespace {

using namespace std::string_view_literals;

struct TrimCase {
  const char* what;
  Text input;
  Text expected;
};

TEST(TrimBlanks, RemovesSpacesAndIdeographicSpacesAtBothEnds) {
  const TrimCase cases[] = {
      {"nothing to trim", Text("12345"), Text("12345")},
      {"spaces around", Text("  12345 "), Text("12345")},
      {"ideographic spaces around",
       Text("\xA1\xA1"
            "123\xA1\xA1\xA1\xA1"),
       Text("123")},
      {"mixed blanks", Text(" \xA1\xA1 1 \xA1\xA1"), Text("1")},
      {"blanks inside stay",
       Text(" 1 2\xA1\xA1"
            "3 "),
       Text("1 2\xA1\xA1"
            "3")},
      {"tab is no blank", Text("\t1\t"), Text("\t1\t")},
      {"line feed is no blank", Text("1\n "), Text("1\n")},
      {"only blanks", Text(" \xA1\xA1 "), Text()},
      {"empty", Text(), Text()},
      {"a lone lead byte at the end goes, the blanks before it stay", Text("1 \xD6"), Text("1 ")},
      {"A1 as a second byte does not start a blank", Text("1\xB0\xA1\xA1\xB2"),
       Text("1\xB0\xA1\xA1\xB2")},
      {"a pair ending in A1 before a blank pair", Text("1\xB0\xA1\xA1\xA1"), Text("1\xB0\xA1")},
      {"a single A1 is no blank",
       Text("\xA1"
            "1"),
       Text("\xA1"
            "1")},
      {"chinese kept", Text("\xA1\xA1\xD6\xD0\xA1\xA1"), Text("\xD6\xD0")},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(trimBlanks(c.input), c.expected) << c.what;
  }
}

TEST(PlaylistUrl, AppendsTheTrimmedNumberUnchanged) {
  const Text prefix("http://qzone-music.qq.com/fcg-bin/cgi_playlist_xml.fcg?uin=");
  EXPECT_EQ(playlistUrlPrefix(), prefix);
  const TrimCase cases[] = {
      {"plain", Text("10001"), prefix + Text("10001")},
      {"blanks around",
       Text(" \xA1\xA1"
            "10001 "),
       prefix + Text("10001")},
      {"blanks between digits remain", Text("100 01"), prefix + Text("100 01")},
      {"tab stays", Text("10001\t"), prefix + Text("10001\t")},
      {"empty box", Text(), prefix},
      {"blanks only", Text("  "), prefix},
      {"hash kept here, cut on the wire", Text("1#2"), prefix + Text("1#2")},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(playlistUrl(c.input), c.expected) << c.what;
  }
}

TEST(NumberText, WritesPlainDecimal) {
  const std::pair<int, const char*> cases[] = {
      {0, "0"}, {12, "12"}, {-7, "-7"}, {INT_MAX, "2147483647"}, {INT_MIN, "-2147483648"}};
  for (const auto& [number, expected] : cases) EXPECT_EQ(numberText(number), Text(expected));
}

TEST(BytesToText, StopsAtTheFirstZeroByte) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"", ""}, {"abc", "abc"}, {"ab\0cd"sv, "ab"}, {"\0abc"sv, ""}, {"\xD6\xD0", "\xD6\xD0"}};
  for (const auto& [bytes, expected] : cases) {
    EXPECT_EQ(bytesToText(ByteArray(bytes)).bytes(), expected);
  }
}

}  // namespace
}  // namespace lirvane
