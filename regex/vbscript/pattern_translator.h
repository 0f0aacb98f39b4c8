// Translates a pattern of the classic script dialect (the one of the
// VBScript.RegExp component) into a PCRE2 pattern with the same meaning,
// for compilation in 16-bit non-UTF mode with the options of compiled_pattern.
//
// What changes on the way:
// - "." is any unit but a line feed; with multiline, "^" matches also after
//   and "$" also before a line feed or carriage return.
// - \d \w \s and their negations keep their ASCII meaning whatever the case
//   option (\s is HT, LF, VT, FF, CR and space); under ignoreCase \b and \B
//   too, and classes holding \w or \W are split so that case folding cannot
//   widen them. \v is U+000B.
// - A number escape that names an existing group is a back reference;
//   otherwise it is an octal escape, and \8 and \9 are the digits.
// - "[" inside a class is a plain bracket; [] never matches, [^] matches
//   any unit.
// - Syntax the dialect lacks is refused: any "(?" group but (?: (?= (?!,
//   "(*", possessive quantifiers, and the escapes PCRE2 gives a meaning the
//   dialect does not (\A \z \Q \K \p ...).
//
// Pure function; safe from any thread.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lirvane::vbscript {

struct TranslatedPattern {
  std::u16string pcre2;
  int groupCount = 0;
};

// nullopt when the pattern is not valid in the dialect (as far as the
// translator can tell; PCRE2 refuses the rest when it compiles).
std::optional<TranslatedPattern> translatePattern(std::u16string_view pattern, bool ignoreCase,
                                                  bool multiline);

}  // namespace lirvane::vbscript
