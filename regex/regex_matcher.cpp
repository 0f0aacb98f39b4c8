#include "regex/regex_matcher.h"

#include <algorithm>
#include <climits>

#include "regex/automation/automation.h"

namespace lirvane {

using namespace automation;

namespace {

// Numbers arrive as doubles and become integers by truncation toward zero.
int truncated(double value) {
  if (!(value > INT_MIN - 1.0 && value < INT_MAX + 1.0)) return 0;
  return static_cast<int>(value);
}

bool equalIgnoringAsciiCase(unsigned char a, unsigned char b) {
  auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
  return lower(a) == lower(b);
}

}  // namespace

RegexMatcher::RegexMatcher() { CoInitialize(nullptr); }

RegexMatcher::RegexMatcher(const RegexMatcher& source) : subject_(source.subject_) {
  copyFrom(regex_, source.regex_);
  copyFrom(matches_, source.matches_);
}

RegexMatcher::~RegexMatcher() {
  clear(regex_);
  subject_ = Text();
  CoUninitialize();
  // The collection goes only now, after the runtime was uninitialised on
  // this thread, as the original order had it.
  clear(matches_);
}

bool RegexMatcher::create(const Text& pattern, const Text& input, bool caseSensitive,
                          bool multiline, bool global) {
  bool ignoreCase = !caseSensitive;
  clear(regex_);
  createInstance(regex_, "VBScript.RegExp");
  putProperty(regex_, "IgnoreCase", ignoreCase);
  putProperty(regex_, "Multiline", multiline);
  putProperty(regex_, "Singleline", true);  // no such member: the put fails, "." stays
  putProperty(regex_, "Global", global);
  putProperty(regex_, "Pattern", pattern);
  matches_ = callObjectMethod(regex_, "Execute", input);
  subject_ = input;
  return !isEmpty(matches_);
}

void RegexMatcher::reserved() {}

Text RegexMatcher::getPattern() const {
  if (isEmpty(regex_)) return Text();
  return getTextProperty(regex_, "Pattern");
}

Text RegexMatcher::replace(const Text& replacement) const {
  return callTextMethod(regex_, "Replace", {subject_, replacement});
}

int RegexMatcher::matchCount() const { return truncated(getNumberProperty(matches_, "Count")); }

Text RegexMatcher::matchText(int index, int* position) const {
  ComObject match = getObjectProperty(matches_, "Item", static_cast<double>(index) - 1);
  Text text = getTextProperty(match, "Value");
  if (position) *position = positionOf(match, text);
  return text;
}

Text RegexMatcher::subMatchText(int index, int subIndex, int* position) const {
  ComObject match = getObjectProperty(matches_, "Item", static_cast<double>(index) - 1);
  ComObject groups = getObjectProperty(match, "SubMatches");
  Text text = toText(getVariantProperty(groups, "Item", static_cast<double>(subIndex) - 1));
  if (position) *position = positionOf(match, text);
  return text;
}

int RegexMatcher::subMatchCount() const {
  ComObject groups = getObjectProperty(getObjectProperty(matches_, "Item", 0.0), "SubMatches");
  return truncated(getNumberProperty(groups, "Count"));
}

int RegexMatcher::positionOf(const ComObject& match, const Text& found) const {
  int firstIndex = truncated(getNumberProperty(match, "FirstIndex"));
  // IgnoreCase reads back as "0" exactly when the matcher is case-sensitive;
  // the byte search then compares exactly, and without case otherwise.
  bool caseSensitive = getTextProperty(regex_, "IgnoreCase") == Text("0");
  return findText(subject_, found, firstIndex, !caseSensitive) - 1;
}

int findText(const Text& haystack, const Text& wanted, int start, bool caseFree) {
  std::size_t size = haystack.size();
  std::size_t at = start > 1 ? static_cast<std::size_t>(start) - 1 : 0;
  if (at >= size) return -1;
  if (wanted.empty()) return 1;
  std::string_view h = haystack.bytes();
  std::string_view w = wanted.bytes();
  while (size - at >= w.size()) {
    bool equal = caseFree ? std::equal(w.begin(), w.end(), h.begin() + at,
                                       [](char a, char b) { return equalIgnoringAsciiCase(a, b); })
                          : h.compare(at, w.size(), w) == 0;
    if (equal) return static_cast<int>(at + 1);
    if (haystack.byteAt(at) >= 0x80) {
      if (at + 1 == size) return -1;
      at += 2;
    } else {
      at += 1;
    }
  }
  return -1;
}

}  // namespace lirvane
