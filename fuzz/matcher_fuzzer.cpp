// Sequences of RegexMatcher operations with fuzzed arguments, as code page
// 936 texts: creates, counts, texts and positions, replaces and copies in
// any order; afterwards no automation object may be left.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "regex/automation/com_object.h"
#include "regex/regex_matcher.h"

using namespace lirvane;

namespace {

class Reader {
 public:
  Reader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  bool done() const { return at_ >= size_; }
  uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
  int number() { return static_cast<int8_t>(byte()); }
  Text text() {
    size_t length = byte() % 48;
    std::string bytes;
    while (length-- > 0 && !done()) bytes.push_back(static_cast<char>(byte()));
    return Text(bytes);
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::size_t liveBefore = automation::AutomationObject::liveObjectCount();
  {
    Reader in(data, size);
    auto matcher = std::make_unique<RegexMatcher>();
    std::unique_ptr<RegexMatcher> copy;
    int position = 0;
    for (int step = 0; step < 32 && !in.done(); ++step) {
      switch (in.byte() % 9) {
        case 0: {
          Text pattern = in.text();
          Text subject = in.text();
          uint8_t flags = in.byte();
          matcher->create(pattern, subject, flags & 1, flags & 2, flags & 4);
          break;
        }
        case 1: matcher->matchCount(); break;
        case 2: matcher->matchText(in.number(), &position); break;
        case 3: matcher->subMatchText(in.number(), in.number(), &position); break;
        case 4: matcher->subMatchCount(); break;
        case 5: matcher->replace(in.text()); break;
        case 6: matcher->getPattern(); break;
        case 7: copy = std::make_unique<RegexMatcher>(*matcher); break;
        case 8: copy.reset(); break;
      }
    }
  }
  if (automation::AutomationObject::liveObjectCount() != liveBefore) std::abort();
  return 0;
}
