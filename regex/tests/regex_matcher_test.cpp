#include "regex/regex_matcher.h"

#include <gtest/gtest.h>

#include <thread>

#include "regex/automation/com_runtime.h"

namespace lirvane {
namespace {

using automation::AutomationObject;

// A fresh matcher per test; afterwards no automation object may be left.
class RegexMatcherTest : public ::testing::Test {
 protected:
  void SetUp() override { liveAtStart_ = AutomationObject::liveObjectCount(); }
  void TearDown() override {
    matcher_.reset();
    EXPECT_EQ(AutomationObject::liveObjectCount(), liveAtStart_);
    EXPECT_FALSE(automation::isComInitialized()) << "destruction must uninitialise";
  }

  std::unique_ptr<RegexMatcher> matcher_ = std::make_unique<RegexMatcher>();
  RegexMatcher& m() { return *matcher_; }

 private:
  std::size_t liveAtStart_ = 0;
};

TEST_F(RegexMatcherTest, BeforeTheFirstCreateEverythingIsEmpty) {
  EXPECT_EQ(m().getPattern(), Text());
  EXPECT_EQ(m().replace(Text("x")), Text());
  EXPECT_EQ(m().matchCount(), 0);
  EXPECT_EQ(m().subMatchCount(), 0);
  EXPECT_EQ(m().matchText(1), Text());
  EXPECT_EQ(m().subMatchText(1, 1), Text());
}

TEST_F(RegexMatcherTest, DefaultsIgnoreCaseMultilineAndGlobal) {
  ASSERT_TRUE(m().create(Text("^a."), Text("Ab\nAc\n")));
  EXPECT_EQ(m().matchCount(), 2);
  EXPECT_EQ(m().matchText(2), Text("Ac"));
  EXPECT_EQ(m().getPattern(), Text("^a."));
  // "." never takes the line feed, whatever the Singleline put tried.
  ASSERT_TRUE(m().create(Text("a.b"), Text("a\nb")));
  EXPECT_EQ(m().matchCount(), 0);
}

struct OptionCase {
  const char* what;
  bool caseSensitive, multiline, global;
  int expectedCount;
};

TEST_F(RegexMatcherTest, OptionsReachTheComponent) {
  const OptionCase cases[] = {
      {"defaults", false, true, true, 3},
      {"case-sensitive", true, true, true, 2},
      {"not multiline", false, false, true, 1},
      {"not global", false, true, false, 1},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(m().create(Text("^a"), Text("a\nA\na"), c.caseSensitive, c.multiline, c.global));
    EXPECT_EQ(m().matchCount(), c.expectedCount) << c.what;
  }
}

TEST_F(RegexMatcherTest, AnExecutionWithoutMatchesStillGivesACollection) {
  EXPECT_TRUE(m().create(Text("z"), Text("abc")));
  EXPECT_EQ(m().matchCount(), 0);
  EXPECT_EQ(m().subMatchCount(), 0);
  EXPECT_EQ(m().matchText(1), Text());
}

TEST_F(RegexMatcherTest, AFailedExecutionDropsThePreviousCollection) {
  ASSERT_TRUE(m().create(Text("a"), Text("aaa")));
  EXPECT_EQ(m().matchCount(), 3);
  EXPECT_FALSE(m().create(Text("(a"), Text("aaa")));
  EXPECT_EQ(m().matchCount(), 0);
  EXPECT_EQ(m().matchText(1), Text());
  EXPECT_EQ(m().getPattern(), Text("(a")) << "the expression object still holds the pattern";
}

TEST_F(RegexMatcherTest, IndexesOutsideTheCollectionGiveEmptyTexts) {
  ASSERT_TRUE(m().create(Text("(a)(b)(c)"), Text("abc abc")));
  EXPECT_EQ(m().matchCount(), 2);
  EXPECT_EQ(m().subMatchCount(), 3);
  EXPECT_EQ(m().matchText(0), Text());
  EXPECT_EQ(m().matchText(3), Text());
  EXPECT_EQ(m().subMatchText(1, 0), Text());
  EXPECT_EQ(m().subMatchText(1, 4), Text());
  EXPECT_EQ(m().subMatchText(2, 3), Text("c"));
  EXPECT_EQ(m().subMatchText(-5, 1), Text());
}

TEST_F(RegexMatcherTest, AGroupThatTookNoPartIsEmpty) {
  ASSERT_TRUE(m().create(Text("(x)?(b)"), Text("ab")));
  EXPECT_EQ(m().subMatchText(1, 1), Text());
  EXPECT_EQ(m().subMatchText(1, 2), Text("b"));
}

struct PositionCase {
  const char* what;
  Text pattern, subject;
  int index, subIndex;  // subIndex 0: the whole match
  Text text;
  int position;
};

TEST_F(RegexMatcherTest, PositionsAreByteOffsetsFoundByTextSearch) {
  const PositionCase cases[] = {
      {"first c", Text("c"), Text("abcabc"), 1, 0, Text("c"), 2},
      {"second c", Text("c"), Text("abcabc"), 2, 0, Text("c"), 5},
      {"after a double-byte character", Text("a"),
       Text("\xD6\xD0"
            "a"),
       1, 0, Text("a"), 2},
      {"a group found from its match's start", Text("a(a)"), Text("aaa"), 1, 1, Text("a"), 0},
      {"an empty text is at 0", Text("x*"), Text("abc"), 2, 0, Text(), 0},
      {"case-free search by default", Text("B"), Text("ab"), 1, 0, Text("b"), 1},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(m().create(c.pattern, c.subject)) << c.what;
    int position = 99;
    Text text = c.subIndex == 0 ? m().matchText(c.index, &position)
                                : m().subMatchText(c.index, c.subIndex, &position);
    EXPECT_EQ(text, c.text) << c.what;
    EXPECT_EQ(position, c.position) << c.what;
  }
}

TEST_F(RegexMatcherTest, ACaseSensitiveMatcherSearchesExactly) {
  // The text "b" of the match at FirstIndex 1 is searched from byte 0; the
  // exact search skips the "B" before it.
  ASSERT_TRUE(m().create(Text("b"), Text("Bb"), true));
  int position = 0;
  EXPECT_EQ(m().matchText(1, &position), Text("b"));
  EXPECT_EQ(position, 1);
}

TEST_F(RegexMatcherTest, ReplaceWorksOnTheSubject) {
  ASSERT_TRUE(m().create(Text("(\\d+)"), Text("a1b22")));
  EXPECT_EQ(m().replace(Text("<$1>")), Text("a<1>b<22>"));
}

TEST_F(RegexMatcherTest, ACopySharesTheObjectsAndKeepsItsOwnSubject) {
  ASSERT_TRUE(m().create(Text("b"), Text("abcb")));
  {
    RegexMatcher copy(m());
    EXPECT_EQ(copy.matchCount(), 2);
    EXPECT_EQ(copy.getPattern(), Text("b"));
    automation::CoInitialize();  // the copy's destruction uninitialises once
  }
  EXPECT_EQ(m().matchCount(), 2);
}

TEST_F(RegexMatcherTest, AFetchThreadUsesTheMatcherBetweenItsOwnInitialisation) {
  std::thread worker([&] {
    automation::CoInitialize();
    ASSERT_TRUE(m().create(Text("a"), Text("aa")));
    EXPECT_EQ(m().matchCount(), 2);
    automation::CoUninitialize();
  });
  worker.join();
  EXPECT_EQ(m().matchText(2), Text("a")) << "the collection outlives the worker's runtime";
}

struct FindCase {
  const char* what;
  Text haystack, wanted;
  int start;
  bool caseFree;
  int expected;
};

TEST(FindText, SearchesWholeCharactersForward) {
  const FindCase cases[] = {
      {"found at the start", Text("abc"), Text("a"), 1, false, 1},
      {"start before 1 counts as 1", Text("abc"), Text("b"), -7, false, 2},
      {"from the start position on", Text("abab"), Text("a"), 2, false, 3},
      {"empty wanted gives 1 wherever the start is", Text("abc"), Text(), 3, false, 1},
      {"empty wanted past the end", Text("abc"), Text(), 4, false, -1},
      {"empty haystack", Text(), Text(), 1, false, -1},
      {"not found", Text("abc"), Text("d"), 1, false, -1},
      {"wanted longer than the rest", Text("abc"), Text("bcd"), 1, false, -1},
      {"the second byte of a pair is skipped",
       Text("\xB0\x61"
            "a"),
       Text("a"), 1, false, 3},
      {"a lone lead byte at the end ends the search", Text("x\x81"), Text("\x81"), 2, false, 2},
      {"a lead byte before the end with nothing found", Text("\x81"), Text("z"), 1, false, -1},
      {"case-free compares ASCII letters only", Text("xAbC"), Text("abc"), 1, true, 2},
      {"exact comparison", Text("xAbC"), Text("abc"), 1, false, -1},
      {"case-free leaves other bytes exact", Text("\xC1"), Text("\xE1"), 1, true, -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(findText(c.haystack, c.wanted, c.start, c.caseFree), c.expected) << c.what;
  }
}

}  // namespace
}  // namespace lirvane
