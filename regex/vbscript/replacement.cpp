#include "regex/vbscript/replacement.h"

namespace lirvane::vbscript {
namespace {

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

void appendSpan(std::u16string& out, std::u16string_view subject, std::size_t begin,
                std::size_t end) {
  if (begin != kUnset) out.append(subject.substr(begin, end - begin));
}

void expand(std::u16string& out, std::u16string_view subject, const std::size_t* match,
            int groupCount, std::u16string_view replacement) {
  for (std::size_t i = 0; i < replacement.size(); ++i) {
    char16_t c = replacement[i];
    if (c != u'$' || i + 1 == replacement.size()) {
      out.push_back(c);
      continue;
    }
    char16_t next = replacement[i + 1];
    if (next == u'$') {
      out.push_back(u'$');
    } else if (next == u'&') {
      appendSpan(out, subject, match[0], match[1]);
    } else if (next == u'`') {
      out.append(subject.substr(0, match[0]));
    } else if (next == u'\'') {
      out.append(subject.substr(match[1]));
    } else if (isDigit(next)) {
      int one = next - u'0';
      bool twoDigits = i + 2 < replacement.size() && isDigit(replacement[i + 2]);
      int two = twoDigits ? one * 10 + (replacement[i + 2] - u'0') : 0;
      int group = 0;
      if (twoDigits && two >= 1 && two <= groupCount) {
        group = two;
        ++i;
      } else if (one >= 1 && one <= groupCount) {
        group = one;
      } else {
        out.push_back(u'$');
        continue;
      }
      appendSpan(out, subject, match[2 * group], match[2 * group + 1]);
    } else {
      out.push_back(u'$');
      continue;
    }
    ++i;
  }
}

}  // namespace

std::u16string replaceMatches(std::u16string_view subject, const MatchList& matches,
                              std::u16string_view replacement) {
  std::u16string out;
  out.reserve(subject.size());
  std::size_t copied = 0;
  for (std::size_t m = 0; m < matches.size(); ++m) {
    const std::size_t* match = matches.match(m);
    out.append(subject.substr(copied, match[0] - copied));
    expand(out, subject, match, matches.groupCount, replacement);
    copied = match[1];
  }
  out.append(subject.substr(copied));
  return out;
}

}  // namespace lirvane::vbscript
