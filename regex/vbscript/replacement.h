// The dialect's Replace: every match (or the first) of a search replaced by
// a template in which $1..$99, $&, $`, $' and $$ are expanded.
//
// - A two-digit number that names no group falls back to its first digit
//   and a literal second digit; a number that names no group stays literal,
//   as does "$" before anything else.
// - A group that took no part expands to nothing.
// Pure function; safe from any thread.
#pragma once

#include <string>
#include <string_view>

#include "regex/vbscript/compiled_pattern.h"

namespace lirvane::vbscript {

std::u16string replaceMatches(std::u16string_view subject, const MatchList& matches,
                              std::u16string_view replacement);

}  // namespace lirvane::vbscript
