#include "regex/automation/automation.h"

#include <gtest/gtest.h>

#include <thread>

namespace lirvane::automation {
namespace {

// Each test runs with the runtime initialised on its thread, and checks that
// it left no object behind.
class Automation : public ::testing::Test {
 protected:
  void SetUp() override {
    CoInitialize();
    liveAtStart_ = AutomationObject::liveObjectCount();
  }
  void TearDown() override {
    EXPECT_EQ(AutomationObject::liveObjectCount(), liveAtStart_) << "an object outlived its owner";
    CoUninitialize();
  }

 private:
  std::size_t liveAtStart_ = 0;
};

TEST_F(Automation, InitialisationIsCountedPerThread) {
  EXPECT_EQ(CoInitialize(), kAlreadyInitialized);
  CoUninitialize();
  EXPECT_TRUE(isComInitialized());

  bool otherThreadSawIt = true;
  bool otherThreadCreated = true;
  std::thread([&] {
    otherThreadSawIt = isComInitialized();
    ComObject object;
    otherThreadCreated = createInstance(object, "VBScript.RegExp");
  }).join();
  EXPECT_FALSE(otherThreadSawIt);
  EXPECT_FALSE(otherThreadCreated) << "creation must fail on a thread that did not initialise";
}

TEST_F(Automation, CreateInstanceKeepsTheHolderOnFailure) {
  ComObject holder;
  ASSERT_TRUE(createInstance(holder, "vbscript.regexp")) << "class names ignore case";
  AutomationObject* first = holder.get();
  EXPECT_FALSE(createInstance(holder, "No.Such.Class"));
  EXPECT_EQ(holder.get(), first);
  ASSERT_TRUE(createInstance(holder, "VBScript.RegExp"));
  EXPECT_NE(holder.get(), first);
}

TEST_F(Automation, CopiesShareTheObjectUntilTheLastIsCleared) {
  std::size_t before = AutomationObject::liveObjectCount();
  ComObject a;
  ASSERT_TRUE(createInstance(a, "VBScript.RegExp"));
  ComObject b;
  copyFrom(b, a);
  EXPECT_EQ(a.get(), b.get());
  clear(a);
  EXPECT_TRUE(isEmpty(a));
  EXPECT_EQ(AutomationObject::liveObjectCount(), before + 1);
  EXPECT_TRUE(putProperty(b, "Pattern", Text("x")));
  clear(b);
  EXPECT_EQ(AutomationObject::liveObjectCount(), before);
}

TEST_F(Automation, EveryFailureIsTheEmptyResult) {
  ComObject empty;
  ComObject regex;
  ASSERT_TRUE(createInstance(regex, "VBScript.RegExp"));
  for (const ComObject* holder : {&empty, &regex}) {
    EXPECT_FALSE(putProperty(*holder, "Singleline", true));
    EXPECT_EQ(getTextProperty(*holder, "NoSuchMember"), Text());
    EXPECT_EQ(getNumberProperty(*holder, "NoSuchMember"), 0.0);
    EXPECT_TRUE(isEmpty(getObjectProperty(*holder, "NoSuchMember", 0.0)));
    EXPECT_TRUE(getVariantProperty(*holder, "NoSuchMember", 0.0).isEmpty());
    EXPECT_EQ(callTextMethod(*holder, "NoSuchMethod", {Text("a")}), Text());
    EXPECT_TRUE(isEmpty(callObjectMethod(*holder, "NoSuchMethod", Text("a"))));
  }
  EXPECT_FALSE(putProperty(empty, "Pattern", Text("a")));
  // A method called with the wrong number of arguments fails too.
  EXPECT_EQ(callTextMethod(regex, "Replace", {Text("a")}), Text());
}

TEST_F(Automation, ValuesReadAsTextAsThePlatformWritesThem) {
  ComObject regex;
  ASSERT_TRUE(createInstance(regex, "VBScript.RegExp"));
  EXPECT_EQ(getTextProperty(regex, "IgnoreCase"), Text("0"));
  ASSERT_TRUE(putProperty(regex, "IgnoreCase", true));
  EXPECT_EQ(getTextProperty(regex, "ignorecase"), Text("-1"));
  EXPECT_EQ(toText(Variant()), Text());
  EXPECT_EQ(toText(Variant(6.0)), Text("6"));
  EXPECT_EQ(toText(Variant(-2.5)), Text("-2.5"));
  EXPECT_EQ(toText(Variant(std::u16string(u"\u4E2D"))), Text("\xD6\xD0"));
}

TEST_F(Automation, TextsCrossInCodePage936) {
  ComObject regex;
  ASSERT_TRUE(createInstance(regex, "VBScript.RegExp"));
  ASSERT_TRUE(putProperty(regex, "Pattern", Text("\xD6\xD0(.)")));
  EXPECT_EQ(getTextProperty(regex, "Pattern"), Text("\xD6\xD0(.)"));
  // "中文" then an invalid lead byte: the component sees U+4E2D U+6587 "?".
  EXPECT_EQ(callTextMethod(regex, "Replace", {Text("\xD6\xD0\xCE\xC4\x81"), Text("[$1]")}),
            Text("[\xCE\xC4]?"));
}

}  // namespace
}  // namespace lirvane::automation
