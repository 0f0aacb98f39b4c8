// Matching a generated playlist as the fetch does, beside the floor of the
// same work done straight on PCRE2 without the automation layer.
#define PCRE2_CODE_UNIT_WIDTH 16
#include <benchmark/benchmark.h>
#include <pcre2.h>

#include <map>
#include <string>

#include "fetch/playlist_request.h"
#include "regex/automation/com_runtime.h"
#include "regex/regex_matcher.h"
#include "regex/vbscript/pattern_translator.h"
#include "text/cp936.h"
#include "tools/playlists/playlist_generator.h"

namespace lirvane::bench {
namespace {

const Text& playlist(int songs) {
  static std::map<int, Text> cache;
  auto it = cache.find(songs);
  if (it == cache.end()) it = cache.emplace(songs, Text(tools::generatePlaylist(songs))).first;
  return it->second;
}

// create, matchCount, then groups 2, 1 and 3 of every match and matchCount
// again, as the fetch worker asks for them.
void BM_MatcherPath(benchmark::State& state) {
  const Text& text = playlist(static_cast<int>(state.range(0)));
  automation::CoInitialize();
  RegexMatcher matcher;
  for (auto _ : state) {
    matcher.create(songPattern(), text);
    int count = matcher.matchCount();
    for (int i = 1; i <= count; ++i) {
      benchmark::DoNotOptimize(matcher.subMatchText(i, 2));
      benchmark::DoNotOptimize(matcher.subMatchText(i, 1));
      benchmark::DoNotOptimize(matcher.subMatchText(i, 3));
    }
    if (matcher.matchCount() != state.range(0)) state.SkipWithError("wrong song count");
  }
  automation::CoUninitialize();
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}

// The floor: the subject converted once, the pattern run directly through
// PCRE2's JIT, and the three groups of each match converted back.
void BM_Floor(benchmark::State& state) {
  const Text& text = playlist(static_cast<int>(state.range(0)));
  auto translated = vbscript::translatePattern(cp936ToUtf16(songPattern()), true, true);
  int error;
  PCRE2_SIZE offset;
  pcre2_code* code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(translated->pcre2.data()),
                                   translated->pcre2.size(),
                                   PCRE2_CASELESS | PCRE2_UCP | PCRE2_ALT_BSUX |
                                       PCRE2_MATCH_UNSET_BACKREF | PCRE2_DOLLAR_ENDONLY,
                                   &error, &offset, nullptr);
  pcre2_jit_compile(code, PCRE2_JIT_COMPLETE);
  pcre2_match_data* data = pcre2_match_data_create_from_pattern(code, nullptr);
  const PCRE2_SIZE* ov = pcre2_get_ovector_pointer(data);
  for (auto _ : state) {
    std::u16string subject = cp936ToUtf16(text);
    auto units = reinterpret_cast<PCRE2_SPTR>(subject.data());
    std::u16string_view view(subject);
    PCRE2_SIZE start = 0;
    int64_t count = 0;
    while (pcre2_jit_match(code, units, subject.size(), start, 0, data, nullptr) > 0) {
      for (int group : {2, 1, 3}) {
        benchmark::DoNotOptimize(
            utf16ToText(view.substr(ov[2 * group], ov[2 * group + 1] - ov[2 * group])));
      }
      ++count;
      start = ov[1] == ov[0] ? ov[1] + 1 : ov[1];
    }
    if (count != state.range(0)) state.SkipWithError("wrong song count");
  }
  pcre2_match_data_free(data);
  pcre2_code_free(code);
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}

BENCHMARK(BM_MatcherPath)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Floor)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lirvane::bench

BENCHMARK_MAIN();
