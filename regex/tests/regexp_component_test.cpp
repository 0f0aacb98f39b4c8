// The expression component in the classic dialect, driven through the
// automation interface in UTF-16 as a script host would drive it.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "regex/automation/com_runtime.h"
#include "regex/automation/variant.h"

namespace lirvane::automation {
namespace {

enum Flags { kNone = 0, kIgnoreCase = 1, kMultiline = 2, kGlobal = 4 };

class RegExpComponent : public ::testing::Test {
 protected:
  void SetUp() override { CoInitialize(); }
  void TearDown() override { CoUninitialize(); }

  static Variant call(const ComObject& object, std::string_view name, InvokeKind kind,
                      std::vector<Variant> args = {}) {
    Variant result;
    if (!object.get()->invoke(name, kind, args, result)) result.clear();
    return result;
  }

  static ComObject make(std::u16string_view pattern, int flags) {
    ComObject regex = createObject("VBScript.RegExp");
    EXPECT_FALSE(regex.isEmpty());
    call(regex, "Pattern", InvokeKind::Put, {Variant(std::u16string(pattern))});
    call(regex, "IgnoreCase", InvokeKind::Put, {Variant((flags & kIgnoreCase) != 0)});
    call(regex, "Multiline", InvokeKind::Put, {Variant((flags & kMultiline) != 0)});
    call(regex, "Global", InvokeKind::Put, {Variant((flags & kGlobal) != 0)});
    return regex;
  }

  // The values of every match, or nullopt when Execute fails.
  static std::optional<std::vector<std::u16string>> execute(std::u16string_view pattern,
                                                            std::u16string_view subject,
                                                            int flags) {
    ComObject regex = make(pattern, flags);
    Variant matches = call(regex, "Execute", InvokeKind::Call, {Variant(std::u16string(subject))});
    if (!matches.asObject()) return std::nullopt;
    std::vector<std::u16string> values;
    int count = static_cast<int>(*call(*matches.asObject(), "Count", InvokeKind::Get).asNumber());
    for (int i = 0; i < count; ++i) {
      Variant match = call(*matches.asObject(), "Item", InvokeKind::Get, {Variant(double(i))});
      values.push_back(*call(*match.asObject(), "Value", InvokeKind::Get).toString());
    }
    return values;
  }

  static std::optional<std::u16string> replace(std::u16string_view pattern,
                                               std::u16string_view subject,
                                               std::u16string_view replacement, int flags) {
    ComObject regex = make(pattern, flags);
    Variant result = call(regex, "Replace", InvokeKind::Call,
                          {Variant(std::u16string(subject)), Variant(std::u16string(replacement))});
    if (!result.asString()) return std::nullopt;
    return *result.asString();
  }
};

using Values = std::vector<std::u16string>;

struct DialectCase {
  const char* what;
  std::u16string pattern;
  std::u16string subject;
  int flags;
  std::optional<Values> expected;  // nullopt: Execute fails
};

const DialectCase kDialect[] = {
    {"dot is not a line feed", u".", u"\na\r", kGlobal, Values{u"a", u"\r"}},
    {"first match only without Global", u"a", u"aaa", kNone, Values{u"a"}},
    {"empty pattern matches at every position", u"", u"test", kGlobal,
     Values{u"", u"", u"", u"", u""}},
    {"lazy star gives empty matches", u"a*?", u"aaa", kGlobal, Values{u"", u"", u"", u""}},
    {"after an empty match the search moves one unit on", u"x*|b", u"b", kGlobal, Values{u"", u""}},
    {"caret is the subject start without Multiline", u"^a", u"a\na", kGlobal, Values{u"a"}},
    {"caret after LF and CR with Multiline", u"^a", u"a\na\ra", kGlobal | kMultiline,
     Values{u"a", u"a", u"a"}},
    {"dollar is the very end without Multiline", u"a$", u"a\na\n", kGlobal, Values{}},
    {"dollar before LF and CR with Multiline", u"a$", u"a\ra\na", kGlobal | kMultiline,
     Values{u"a", u"a", u"a"}},
    {"\\v is the vertical tab", u"\\v", u"\v", kNone, Values{u"\v"}},
    {"\\s is exactly six characters", u"\\s", u"\t\n\v\f\r \u00A0\u3000\u0085", kGlobal,
     Values{u"\t", u"\n", u"\v", u"\f", u"\r", u" "}},
    {"\\s stays ASCII under IgnoreCase", u"\\s", u"\u00A0\u3000 ", kGlobal | kIgnoreCase,
     Values{u" "}},
    {"\\d stays ASCII under IgnoreCase", u"\\d+", u"\uFF11\u0661 42", kGlobal | kIgnoreCase,
     Values{u"42"}},
    {"\\w stays ASCII under IgnoreCase", u"\\w+", u"\u00E9t\u212Ak\u017Fs", kGlobal | kIgnoreCase,
     Values{u"t", u"k", u"s"}},
    {"\\w in a class stays ASCII under IgnoreCase", u"[\\w\u00E9]+", u"\u00C9a\u212A",
     kGlobal | kIgnoreCase, Values{u"\u00C9a"}},
    {"\\W in a class under IgnoreCase", u"[^\\w]", u"k\u212A", kGlobal | kIgnoreCase,
     Values{u"\u212A"}},
    {"\\b stays ASCII under IgnoreCase", u"\\bx\\b", u"\u00E9x x", kGlobal | kIgnoreCase,
     Values{u"x", u"x"}},
    {"letters beyond ASCII fold under IgnoreCase", u"\u00E9\u0434", u"\u00C9\u0414", kIgnoreCase,
     Values{u"\u00C9\u0414"}},
    {"case matters without IgnoreCase", u"A", u"a", kNone, Values{}},
    {"\\8 and \\9 are digits", u"\\8\\9", u"89", kNone, Values{u"89"}},
    {"a number escape beyond the groups is octal", u"(a)\\2", u"a\x02", kNone, Values{u"a\x02"}},
    {"\\10 with one group is octal 010", u"(a)\\10", u"a\b", kNone, Values{u"a\b"}},
    {"back reference", u"(a+)b\\1", u"aabaa", kNone, Values{u"aabaa"}},
    {"an unset group's back reference matches empty", u"(x)?a\\1", u"a", kNone, Values{u"a"}},
    {"\\x and \\u escapes", u"\\x41\\u00E9", u"A\u00E9", kNone, Values{u"A\u00E9"}},
    {"an incomplete \\x is a literal x", u"\\xZ", u"xZ", kNone, Values{u"xZ"}},
    {"\\x{...} is no code point escape: a literal x, then a count", u"\\x{2}", u"x{2}xx", kNone,
     Values{u"xx"}},
    {"control escape", u"\\cJ", u"\n", kNone, Values{u"\n"}},
    {"a bracket inside a class is literal", u"[[:a]+", u"[:a", kNone, Values{u"[:a"}},
    {"empty class never matches", u"a[]", u"a", kNone, Values{}},
    {"negated empty class matches any unit", u"[^]", u"\n", kNone, Values{u"\n"}},
    {"backspace in a class", u"[\\b]", u"\b", kNone, Values{u"\b"}},
    {"a brace that is no quantifier is literal", u"a{,2}", u"a{,2}", kNone, Values{u"a{,2}"}},
    {"counted repeat", u"a{2,3}", u"aaaa", kGlobal, Values{u"aaa"}},
    {"lookahead", u"a(?=b)", u"acab", kNone, Values{u"a"}},
    {"every UTF-16 unit is matchable", u".", u"\xD83D", kNone, Values{u"\xD83D"}},
    {"lookbehind is refused", u"(?<=a)b", u"ab", kNone, std::nullopt},
    {"inline options are refused", u"(?i)a", u"a", kNone, std::nullopt},
    {"atomic groups are refused", u"(?>a)", u"a", kNone, std::nullopt},
    {"named groups are refused", u"(?<n>a)", u"a", kNone, std::nullopt},
    {"verbs are refused", u"(*UTF)a", u"a", kNone, std::nullopt},
    {"possessive quantifiers are refused", u"a*+", u"a", kNone, std::nullopt},
    {"possessive counted repeat is refused", u"a{2}+", u"aa", kNone, std::nullopt},
    {"\\A is refused", u"\\Aa", u"a", kNone, std::nullopt},
    {"\\z is refused", u"a\\z", u"a", kNone, std::nullopt},
    {"\\Q is refused", u"\\Qa", u"a", kNone, std::nullopt},
    {"\\p is refused", u"\\p{L}", u"a", kNone, std::nullopt},
    {"unbalanced parenthesis", u"(a", u"a", kNone, std::nullopt},
    {"nothing to repeat", u"*a", u"a", kNone, std::nullopt},
    {"trailing backslash", u"a\\", u"a", kNone, std::nullopt},
    {"unterminated class", u"[a", u"a", kNone, std::nullopt},
};

TEST_F(RegExpComponent, ReadsTheClassicDialect) {
  for (const auto& c : kDialect) {
    EXPECT_EQ(execute(c.pattern, c.subject, c.flags), c.expected) << c.what;
  }
}

struct ReplaceCase {
  const char* what;
  std::u16string pattern;
  std::u16string subject;
  std::u16string replacement;
  int flags;
  std::u16string expected;
};

const ReplaceCase kReplacements[] = {
    {"first match only without Global", u"a", u"aaa", u"b", kNone, u"baa"},
    {"every match with Global", u"a", u"aaa", u"b", kGlobal, u"bbb"},
    {"groups", u"(\\w)(\\d)", u"a1 b2", u"$2$1", kGlobal, u"1a 2b"},
    {"whole match, before and after", u"b", u"abc", u"[$&|$`|$']", kNone, u"a[b|a|c]c"},
    {"dollar dollar", u"b", u"abc", u"$$", kNone, u"a$c"},
    {"two digits that name no group fall back to one", u"(b)", u"abc", u"$10", kNone, u"ab0c"},
    {"two digits naming a group", u"(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)", u"abcdefghij", u"$10$01",
     kNone, u"ja"},
    {"a number naming no group stays literal", u"b", u"abc", u"$1$0", kNone, u"a$1$0c"},
    {"a dollar before anything else is literal", u"b", u"abc", u"$x$", kNone, u"a$x$c"},
    {"an unset group expands to nothing", u"(x)?b", u"abc", u"[$1]", kNone, u"a[]c"},
    {"empty matches between every unit", u"", u"ab", u"-", kGlobal, u"-a-b-"},
    {"no match leaves the subject", u"z", u"abc", u"-", kGlobal, u"abc"},
};

TEST_F(RegExpComponent, ReplaceExpandsTheTemplate) {
  for (const auto& c : kReplacements) {
    EXPECT_EQ(replace(c.pattern, c.subject, c.replacement, c.flags), c.expected) << c.what;
  }
}

TEST_F(RegExpComponent, ReplaceFailsOnARefusedPattern) {
  EXPECT_EQ(replace(u"(?i)a", u"a", u"b", kNone), std::nullopt);
}

TEST_F(RegExpComponent, ReplaceConvertsArgumentsThatAreNotText) {
  ComObject regex = make(u"b", kNone);
  Variant result =
      call(regex, "Replace", InvokeKind::Call, {Variant(std::u16string(u"abc")), Variant(true)});
  EXPECT_EQ(*result.asString(), u"a-1c");
  result =
      call(regex, "Replace", InvokeKind::Call, {Variant(std::u16string(u"abc")), Variant(6.0)});
  EXPECT_EQ(*result.asString(), u"a6c");
}

TEST_F(RegExpComponent, MatchesReportPositionsAndGroups) {
  ComObject regex = make(u"(a)|(b)", kGlobal);
  Variant matches = call(regex, "Execute", InvokeKind::Call, {Variant(std::u16string(u"\u4E2Db"))});
  ASSERT_TRUE(matches.asObject());
  Variant match = call(*matches.asObject(), "Item", InvokeKind::Get, {Variant(0.0)});
  ASSERT_TRUE(match.asObject());
  EXPECT_EQ(*call(*match.asObject(), "FirstIndex", InvokeKind::Get).asNumber(), 1.0);
  EXPECT_EQ(*call(*match.asObject(), "Length", InvokeKind::Get).asNumber(), 1.0);
  Variant groups = call(*match.asObject(), "SubMatches", InvokeKind::Get);
  ASSERT_TRUE(groups.asObject());
  EXPECT_EQ(*call(*groups.asObject(), "Count", InvokeKind::Get).asNumber(), 2.0);
  EXPECT_TRUE(call(*groups.asObject(), "Item", InvokeKind::Get, {Variant(0.0)}).isEmpty())
      << "a group that took no part is Empty";
  EXPECT_EQ(*call(*groups.asObject(), "Item", InvokeKind::Get, {Variant(1.0)}).asString(), u"b");
  // Outside the collection or the groups: failure, not a value.
  Variant ignored;
  std::vector<Variant> beyond{Variant(2.0)};
  EXPECT_FALSE(groups.asObject()->get()->invoke("Item", InvokeKind::Get, beyond, ignored));
  std::vector<Variant> negative{Variant(-1.0)};
  EXPECT_FALSE(matches.asObject()->get()->invoke("Item", InvokeKind::Get, negative, ignored));
}

// A repeated group keeps what an earlier pass captured, as the classic
// engine did (ECMAScript would clear it on each pass).
TEST_F(RegExpComponent, RepeatedGroupsKeepEarlierCaptures) {
  ComObject regex = make(u"((foo)|(bar))*", kNone);
  Variant matches = call(regex, "Execute", InvokeKind::Call, {Variant(std::u16string(u"foobar"))});
  Variant match = call(*matches.asObject(), "Item", InvokeKind::Get, {Variant(0.0)});
  Variant groups = call(*match.asObject(), "SubMatches", InvokeKind::Get);
  auto group = [&](double i) {
    return call(*groups.asObject(), "Item", InvokeKind::Get, {Variant(i)}).toString();
  };
  EXPECT_EQ(group(0), u"bar");
  EXPECT_EQ(group(1), u"foo");
  EXPECT_EQ(group(2), u"bar");
}

TEST_F(RegExpComponent, TheResultsOutliveTheExpression) {
  Variant matches;
  {
    ComObject regex = make(u"b+", kGlobal);
    matches = call(regex, "Execute", InvokeKind::Call, {Variant(std::u16string(u"abbc"))});
  }
  Variant match = call(*matches.asObject(), "", InvokeKind::Get, {Variant(0.0)});
  EXPECT_EQ(match.toString(), u"bb") << "a match reads as its Value";
}

TEST_F(RegExpComponent, HasNoSinglelineMember) {
  ComObject regex = make(u".", kNone);
  Variant ignored;
  std::vector<Variant> value{Variant(true)};
  EXPECT_FALSE(regex.get()->invoke("Singleline", InvokeKind::Put, value, ignored));
}

// Work is bounded: a pattern that backtracks exponentially makes Execute fail
// instead of running for ever.
TEST_F(RegExpComponent, RunawayBacktrackingFailsInsteadOfHanging) {
  std::u16string subject = std::u16string(40, u'a') + u"!";
  EXPECT_EQ(execute(u"(a+)+$", subject, kNone), std::nullopt);
}

}  // namespace
}  // namespace lirvane::automation
