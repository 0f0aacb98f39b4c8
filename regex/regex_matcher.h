// RegexMatcher: one VBScript.RegExp expression object and the match
// collection of its last execution, questioned with 1-based numbers.
//
// Contract:
// - No operation fails loudly: a missing object, a refused pattern or an
//   index outside the collection gives "", 0 or false.
// - Construction initialises the automation runtime on the constructing
//   thread and destruction uninitialises it on the destroying one (a copy
//   does the latter too, without the former).
// - Positions are 0-based byte offsets into the subject (code page 936),
//   found by searching the matched text from the match's start; -2 when the
//   search finds nothing.
// - Not synchronised: one thread at a time. The objects a create made may
//   be released by a later create or the destructor on another thread.
// - Owns its expression object, match collection and subject copy; a copy
//   shares the first two with its source.
#pragma once

#include "regex/automation/com_object.h"
#include "text/text.h"

namespace lirvane {

class RegexMatcher {
 public:
  RegexMatcher();
  RegexMatcher(const RegexMatcher& source);
  RegexMatcher& operator=(const RegexMatcher&) = delete;
  virtual ~RegexMatcher();

  // Compiles `pattern` and runs it over `input`; true when the execution
  // gave a match collection (also an empty one). IgnoreCase is the opposite
  // of caseSensitive; Multiline and Global as given.
  virtual bool create(const Text& pattern, const Text& input, bool caseSensitive = false,
                      bool multiline = true, bool global = true);
  // Does nothing; keeps the order of the operations.
  virtual void reserved();
  virtual Text getPattern() const;
  // The subject with the matches replaced by the component's Replace.
  virtual Text replace(const Text& replacement) const;
  virtual int matchCount() const;
  // Match `index`; when `position` is given it receives the match's byte
  // offset.
  virtual Text matchText(int index, int* position = nullptr) const;
  // Group `subIndex` of match `index`; `position` as for matchText, searched
  // from the whole match's start.
  virtual Text subMatchText(int index, int subIndex, int* position = nullptr) const;
  // The number of groups of the first match.
  virtual int subMatchCount() const;

 private:
  int positionOf(const automation::ComObject& match, const Text& found) const;

  automation::ComObject regex_;
  automation::ComObject matches_;
  Text subject_;
};

// The 1-based byte position of the first occurrence of `wanted` in
// `haystack` at or after byte start - 1, moving a whole character at a time;
// -1 when there is none. caseFree compares ASCII letters without case.
int findText(const Text& haystack, const Text& wanted, int start, bool caseFree);

}  // namespace lirvane
