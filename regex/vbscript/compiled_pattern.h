// CompiledPattern: a dialect pattern compiled by PCRE2 (16-bit, non-UTF, JIT
// always), and the global match loop of the dialect over it.
//
// Contract:
// - compile() refuses what the dialect refuses, and also refuses when the JIT
//   cannot compile the pattern: the interpreter could run some patterns of
//   the playlist for hours, so it is never used.
// - Matching work is bounded per start position (PCRE2's match limit); an
//   engine error (the limit, the JIT stack) makes the whole search fail.
// - A compiled pattern is immutable and may be shared between threads; each
//   thread matches with a JIT stack of its own.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace lirvane::vbscript {

inline constexpr std::size_t kUnset = static_cast<std::size_t>(-1);

// The matches of one search: for each, 2 * (groupCount + 1) offsets in
// UTF-16 units, start and end of the whole match and then of each group;
// kUnset for a group that took no part.
struct MatchList {
  int groupCount = 0;
  std::vector<std::size_t> offsets;

  std::size_t size() const { return offsets.size() / stride(); }
  std::size_t stride() const { return 2 * static_cast<std::size_t>(groupCount + 1); }
  const std::size_t* match(std::size_t index) const { return &offsets[index * stride()]; }
};

class CompiledPattern {
 public:
  // nullptr when the pattern is refused.
  static std::shared_ptr<const CompiledPattern> compile(std::u16string_view pattern,
                                                        bool ignoreCase, bool multiline);
  ~CompiledPattern();
  CompiledPattern(const CompiledPattern&) = delete;
  CompiledPattern& operator=(const CompiledPattern&) = delete;

  int groupCount() const { return groupCount_; }

  // Every match (global) or the first one; after an empty match the next
  // search starts one unit further on. nullopt on an engine error.
  std::optional<MatchList> findAll(std::u16string_view subject, bool global) const;

 private:
  struct Code;
  explicit CompiledPattern(std::unique_ptr<Code> code, int groupCount);

  std::unique_ptr<Code> code_;
  int groupCount_;
};

}  // namespace lirvane::vbscript
