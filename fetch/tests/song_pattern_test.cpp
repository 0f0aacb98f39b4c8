// The song pattern over small responses, read through RegexMatcher as the
// fetch reads them: groups 2, 1 and 3 of each match.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fetch/playlist_request.h"
#include "regex/regex_matcher.h"

namespace lirvane {
namespace {

struct Song {
  std::string singer, name, address;
  bool operator==(const Song&) const = default;
};

std::string songLines(const std::string& singer, const std::string& name,
                      const std::string& address) {
  return "<xsinger_name><![CDATA[" + singer + " ]]></xsinger_name>\n<xsong_name><![CDATA[" + name +
         " ]]></xsong_name>\n<xsong_url><![CDATA[" + address + " ]]></xsong_url>\n";
}

std::vector<Song> songsIn(const std::string& response) {
  RegexMatcher matcher;
  matcher.create(songPattern(), Text(response));
  std::vector<Song> songs;
  for (int i = 1; i <= matcher.matchCount(); ++i) {
    songs.push_back({std::string(matcher.subMatchText(i, 1).bytes()),
                     std::string(matcher.subMatchText(i, 2).bytes()),
                     std::string(matcher.subMatchText(i, 3).bytes())});
  }
  return songs;
}

TEST(SongPattern, IsTheExpectedExpression) {
  Text pattern = songPattern();
  EXPECT_EQ(pattern.size(), 128u);
  EXPECT_EQ(pattern.bytes().substr(0, 36), "\\[CDATA\\[(.*?)\\s\\]\\]></xsinger_name>");
  EXPECT_EQ(pattern.bytes()[36], '\n');
  EXPECT_EQ(pattern.bytes().substr(86), "<xsong_url><!\\[CDATA\\[(.*?)\\s\\]\\]></xsong_");
}

struct ResponseCase {
  const char* what;
  std::string response;
  std::vector<Song> expected;
};

TEST(SongPattern, FindsEachSongOfAResponse) {
  const std::string header = "<?xml version=\"1.0\" encoding=\"GB2312\"?>\n<playlist>\n";
  const ResponseCase cases[] = {
      {"two songs, chinese and ascii",
       header + songLines("\xD6\xDC\xBD\xDC\xC2\xD7", "\xC7\xE7\xCC\xEC", "http://a/1.mp3") +
           songLines("Adele", "Hello", "http://a/2.mp3") + "</playlist>",
       {{"\xD6\xDC\xBD\xDC\xC2\xD7", "\xC7\xE7\xCC\xEC", "http://a/1.mp3"},
        {"Adele", "Hello", "http://a/2.mp3"}}},
      {"capitals in element names and CDATA",
       "<XSINGER_NAME><![cdata[A ]]></XSINGER_NAME>\n<XSONG_NAME><![CDATA[B ]]></Xsong_Name>\n"
       "<xsong_URL><![CData[C ]]></XSONG_url>",
       {{"A", "B", "C"}}},
      {"CRLF lines match nothing",
       "<xsinger_name><![CDATA[A ]]></xsinger_name>\r\n"
       "<xsong_name><![CDATA[B ]]></xsong_name>\r\n"
       "<xsong_url><![CDATA[C ]]></xsong_url>",
       {}},
      {"a value without the final blank is skipped, its neighbours are not",
       songLines("A", "B", "C") +
           "<xsinger_name><![CDATA[X]]></xsinger_name>\n<xsong_name><![CDATA[Y ]]></xsong_name>\n"
           "<xsong_url><![CDATA[Z ]]></xsong_url>\n" +
           songLines("D", "E", "F"),
       {{"A", "B", "C"}, {"D", "E", "F"}}},
      {"two blanks at the end leave one", songLines("abc ", "n", "u"), {{"abc ", "n", "u"}}},
      {"the last character may be any white space",
       "<xsinger_name><![CDATA[A\t]]></xsinger_name>\n<xsong_name><![CDATA[B\v]]></xsong_name>\n"
       "<xsong_url><![CDATA[C\f]]></xsong_url>",
       {{"A", "B", "C"}}},
      {"an earlier CDATA opening on the singer line",
       "<a><![CDATA[x]]></a><xsinger_name><![CDATA[S ]]></xsinger_name>\n"
       "<xsong_name><![CDATA[N ]]></xsong_name>\n<xsong_url><![CDATA[U ]]></xsong_url>",
       {{"x]]></a><xsinger_name><![CDATA[S", "N", "U"}}},
      {"an empty singer", songLines("", "N", "U"), {{"", "N", "U"}}},
      {"an error page", "<html><body>404</body></html>", {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(songsIn(c.response), c.expected) << c.what;
  }
}

// A line of ten megabytes of CDATA openings between two songs: the engine
// must get through it (this is where an interpreter would run for hours)
// and still find the songs around it.
TEST(SongPattern, GetsThroughAHugeLineOfCdataOpenings) {
  std::string hostile;
  hostile.reserve(10'000'000);
  while (hostile.size() < 10'000'000) hostile += "<![CDATA[";
  std::vector<Song> songs =
      songsIn(songLines("A", "B", "C") + hostile + "\n" + songLines("D", "E", "F"));
  EXPECT_EQ(songs, (std::vector<Song>{{"A", "B", "C"}, {"D", "E", "F"}}));
}

}  // namespace
}  // namespace lirvane
