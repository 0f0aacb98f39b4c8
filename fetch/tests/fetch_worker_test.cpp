// The fetch's exact sequence of window calls, against a recording stand-in
// for the window.
#include "fetch/fetch_worker.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "regex/regex_matcher.h"
#include "text/cp936.h"
#include "text/utf8.h"

namespace lirvane {
namespace {

std::string utf8(const Text& text) {
  std::string out;
  for (char16_t c : cp936ToUtf16(text)) {
    if (c < 0x80) {
      out.push_back(char(c));
    } else if (c < 0x800) {
      out += {char(0xC0 | c >> 6), char(0x80 | (c & 0x3F))};
    } else {
      out += {char(0xE0 | c >> 12), char(0x80 | (c >> 6 & 0x3F)), char(0x80 | (c & 0x3F))};
    }
  }
  return out;
}

Text text(const char* utf8Literal) {
  std::string bytes(utf8Literal);
  return textFromUtf8(std::u8string(bytes.begin(), bytes.end()));
}

// Records every call as a line, and keeps the rows as a list would.
class RecordingView : public PlaylistView {
 public:
  std::vector<std::string> calls;
  std::vector<std::vector<std::string>> rows;
  std::deque<Text> numbers;    // successive reads of the number box; the last one stays
  int clearBeforeAppend = -1;  // "clear all" by the user before this append (1-based)

  void setFetchButtonDisabled(bool disabled) override {
    calls.push_back(disabled ? "disable button" : "enable button");
  }
  void setFetchButtonCaption(const Text& caption) override {
    calls.push_back("caption " + utf8(caption));
  }
  Text numberText() override {
    Text number = numbers.front();
    if (numbers.size() > 1) numbers.pop_front();
    calls.push_back("read number " + utf8(number));
    return number;
  }
  void setStatusPartText(int part, const Text& status) override {
    calls.push_back("status " + std::to_string(part) + " " + utf8(status));
  }
  void deleteAllRows() override {
    rows.clear();
    calls.push_back("delete rows");
  }
  int appendRow() override {
    if (++appends == clearBeforeAppend) rows.clear();
    rows.push_back({"", ""});
    calls.push_back("append row " + std::to_string(rows.size() - 1));
    return int(rows.size()) - 1;
  }
  void setCellText(int row, int column, const Text& cell) override {
    calls.push_back("cell " + std::to_string(row) + " " + std::to_string(column) + " " +
                    utf8(cell));
    if (row >= 0 && row < int(rows.size())) rows[row][column] = utf8(cell);
  }
  bool isGone() override { return false; }

 private:
  int appends = 0;
};

std::string songLines(const std::string& singer, const std::string& name,
                      const std::string& address) {
  return "<xsinger_name><![CDATA[" + singer + " ]]></xsinger_name>\n<xsong_name><![CDATA[" + name +
         " ]]></xsong_name>\n<xsong_url><![CDATA[" + address + " ]]></xsong_url>\n";
}

class FetchWorker : public ::testing::Test {
 protected:
  void SetUp() override { view.numbers = {Text("12345")}; }

  void run(const Text& response) {
    fetchPlaylist(view, matcher, [&](const Text& url) {
      urls.push_back(std::string(url.bytes()));
      return response;
    });
  }

  RecordingView view;
  RegexMatcher matcher;
  std::vector<std::string> urls;
};

const std::string kUrl = "http://qzone-music.qq.com/fcg-bin/cgi_playlist_xml.fcg?uin=";

TEST_F(FetchWorker, ListsThreeSongs) {
  Text response = text(("<playlist>\n" + songLines("周杰伦", "晴天", "http://a/1.mp3") +
                        songLines("Adele", "Hello", "http://a/2.mp3") + songLines("S", "N", "U") +
                        "</playlist>")
                           .c_str());
  run(response);
  EXPECT_EQ(urls, std::vector<std::string>{kUrl + "12345"});
  EXPECT_EQ(view.calls, (std::vector<std::string>{
                            "disable button",
                            "caption 获取中..",
                            "status 0 获取中..",
                            "read number 12345",
                            "delete rows",
                            "append row 0",
                            "status 0 晴天 － 周杰伦  地址:http://a/1.mp3",
                            "cell 0 0 晴天-周杰伦",
                            "cell 0 1 http://a/1.mp3",
                            "append row 1",
                            "status 0 Hello － Adele  地址:http://a/2.mp3",
                            "cell 1 0 Hello-Adele",
                            "cell 1 1 http://a/2.mp3",
                            "append row 2",
                            "status 0 N － S  地址:U",
                            "cell 2 0 N-S",
                            "cell 2 1 U",
                            "read number 12345",
                            "status 0 QQ:12345 获取完成,空间音乐总数:3首",
                            "enable button",
                            "caption 获取",
                        }));
}

TEST_F(FetchWorker, AnEmptyResponseKeepsTheRows) {
  view.rows = {{"old", "row"}};
  run(Text());
  EXPECT_EQ(view.calls, (std::vector<std::string>{
                            "disable button",
                            "caption 获取中..",
                            "status 0 获取中..",
                            "read number 12345",
                            "read number 12345",
                            "status 0 QQ:12345 获取完成,空间音乐总数:0首",
                            "enable button",
                            "caption 获取",
                        }));
  EXPECT_EQ(view.rows.size(), 1u);
}

TEST_F(FetchWorker, AResponseWithoutSongsEmptiesTheList) {
  view.rows = {{"old", "row"}};
  run(Text("<html>404</html>"));
  EXPECT_EQ(view.calls, (std::vector<std::string>{
                            "disable button",
                            "caption 获取中..",
                            "status 0 获取中..",
                            "read number 12345",
                            "delete rows",
                            "read number 12345",
                            "status 0 QQ:12345 获取完成,空间音乐总数:0首",
                            "enable button",
                            "caption 获取",
                        }));
  EXPECT_TRUE(view.rows.empty());
}

TEST_F(FetchWorker, ASongWithAnEmptySinger) {
  run(Text(songLines("", "N", "U")));
  EXPECT_EQ(view.calls[6], "status 0 N －   地址:U");
  EXPECT_EQ(view.calls[7], "cell 0 0 N-");
}

TEST_F(FetchWorker, BlanksAroundTheNumberAreTrimmedInTheUrlOnly) {
  view.numbers = {text("　12345 ")};
  run(Text());
  EXPECT_EQ(urls, std::vector<std::string>{kUrl + "12345"});
  EXPECT_EQ(view.calls[5], "status 0 QQ:　12345  获取完成,空间音乐总数:0首");
}

TEST_F(FetchWorker, TheSummaryShowsTheBoxAsItIsAtTheEnd) {
  view.numbers = {Text("12345"), Text()};  // the user clicked into the box meanwhile
  run(Text(songLines("S", "N", "U")));
  EXPECT_EQ(urls, std::vector<std::string>{kUrl + "12345"});
  EXPECT_EQ(view.calls[view.calls.size() - 3], "status 0 QQ: 获取完成,空间音乐总数:1首");
}

TEST_F(FetchWorker, ClearAllBetweenTwoRowsRestartsFromTheTop) {
  view.clearBeforeAppend = 2;
  run(Text(songLines("A", "1", "u1") + songLines("B", "2", "u2") + songLines("C", "3", "u3")));
  EXPECT_EQ(view.rows, (std::vector<std::vector<std::string>>{{"2-B", "u2"}, {"3-C", "u3"}}));
  EXPECT_EQ(view.calls.back(), "caption 获取");
}

// The window went away during the download: nothing is listed and the
// matcher is not touched.
TEST_F(FetchWorker, AWindowGoneDuringTheDownloadIsLeftAlone) {
  struct GoneView : RecordingView {
    bool isGone() override { return true; }
  } gone;
  gone.numbers = {Text()};
  ASSERT_TRUE(matcher.create(Text("x"), Text("xx")));
  fetchPlaylist(gone, matcher, [](const Text&) { return Text("songs"); });
  EXPECT_EQ(matcher.matchCount(), 2) << "the matcher keeps the last fetch's results";
  EXPECT_EQ(std::count(gone.calls.begin(), gone.calls.end(), "delete rows"), 0);
}

}  // namespace
}  // namespace lirvane
