#include "fetch/fetch_worker.h"

#include "fetch/playlist_request.h"
#include "regex/automation/com_runtime.h"
#include "regex/regex_matcher.h"
#include "text/utf8.h"

namespace lirvane {
namespace {

constexpr int kStatusPart = 0;
constexpr int kTitleColumn = 0;
constexpr int kAddressColumn = 1;

struct FetchTexts {
  Text fetching = textFromUtf8(u8"获取中..");
  Text fetch = textFromUtf8(u8"获取");
  Text statusBetweenNameAndSinger = textFromUtf8(u8" － ");
  Text statusBeforeAddress = textFromUtf8(u8"  地址:");
  Text rowBetweenNameAndSinger = Text("-");
  Text summaryStart = Text("QQ:");
  Text summaryBeforeCount = textFromUtf8(u8" 获取完成,空间音乐总数:");
  Text summaryAfterCount = textFromUtf8(u8"首");
  Text emptySummaryEnd = textFromUtf8(u8" 获取完成,空间音乐总数:0首");
};

const FetchTexts& texts() {
  static const FetchTexts instance;
  return instance;
}

// Steps 10 to 14: the songs, row by row, and the summary.
void listSongs(PlaylistView& view, RegexMatcher& matcher) {
  const FetchTexts& t = texts();
  int count = matcher.matchCount();
  for (int i = 1; i <= count && !view.isGone(); ++i) {
    int row = view.appendRow();
    Text name = matcher.subMatchText(i, 2);
    Text singer = matcher.subMatchText(i, 1);
    Text address = matcher.subMatchText(i, 3);
    view.setStatusPartText(kStatusPart, name + t.statusBetweenNameAndSinger + singer +
                                            t.statusBeforeAddress + address);
    view.setCellText(row, kTitleColumn, name + t.rowBetweenNameAndSinger + singer);
    view.setCellText(row, kAddressColumn, address);
  }
  if (view.isGone()) return;  // nobody to tell, and the matcher is left alone
  Text total = numberText(matcher.matchCount());
  view.setStatusPartText(kStatusPart, t.summaryStart + view.numberText() + t.summaryBeforeCount +
                                          total + t.summaryAfterCount);
}

}  // namespace

void fetchPlaylist(PlaylistView& view, RegexMatcher& matcher, const Download& download) {
  const FetchTexts& t = texts();
  view.setFetchButtonDisabled(true);
  view.setFetchButtonCaption(t.fetching);
  view.setStatusPartText(kStatusPart, t.fetching);
  Text response = download(playlistUrl(view.numberText()));
  if (response.empty()) {
    view.setStatusPartText(kStatusPart, t.summaryStart + view.numberText() + t.emptySummaryEnd);
  } else if (!view.isGone()) {
    view.deleteAllRows();
    automation::CoInitialize(nullptr);
    matcher.create(songPattern(), response);
    listSongs(view, matcher);
    automation::CoUninitialize();
  }
  view.setFetchButtonDisabled(false);
  view.setFetchButtonCaption(t.fetch);
}

}  // namespace lirvane
