// The expression component through the automation layer, as any script
// could drive it: a fuzzed pattern, subject, options and replacement; then
// Execute, every Item and its SubMatches, and Replace.
// Input: one byte of options, then pattern, subject and replacement
// separated by zero bytes, all read as UTF-16 code units.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "regex/automation/com_runtime.h"
#include "regex/automation/variant.h"

using namespace lirvane::automation;

namespace {

Variant call(const ComObject& object, std::string_view name, InvokeKind kind,
             std::vector<Variant> args = {}) {
  Variant result;
  if (!object.get()->invoke(name, kind, args, result)) result.clear();
  return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool initialised = (CoInitialize(), true);
  (void)initialised;
  if (size < 1) return 0;
  uint8_t options = data[0];
  std::u16string parts[3];
  int part = 0;
  for (size_t i = 1; i + 1 < size; i += 2) {
    char16_t unit = static_cast<char16_t>(data[i] | data[i + 1] << 8);
    if (unit == 0 && part < 2) {
      ++part;
    } else {
      parts[part].push_back(unit);
    }
  }
  if (parts[0].size() > 200 || parts[1].size() > 2000) return 0;

  ComObject regex = createObject("VBScript.RegExp");
  call(regex, "Pattern", InvokeKind::Put, {Variant(parts[0])});
  call(regex, "IgnoreCase", InvokeKind::Put, {Variant((options & 1) != 0)});
  call(regex, "Multiline", InvokeKind::Put, {Variant((options & 2) != 0)});
  call(regex, "Global", InvokeKind::Put, {Variant((options & 4) != 0)});

  Variant matches = call(regex, "Execute", InvokeKind::Call, {Variant(parts[1])});
  if (const ComObject* collection = matches.asObject()) {
    double count = call(*collection, "Count", InvokeKind::Get).toNumber().value_or(0);
    for (double i = -1; i <= count && i < 64; ++i) {
      Variant match = call(*collection, "Item", InvokeKind::Get, {Variant(i)});
      if (!match.asObject()) continue;
      double first = *call(*match.asObject(), "FirstIndex", InvokeKind::Get).asNumber();
      std::u16string value = *call(*match.asObject(), "Value", InvokeKind::Get).asString();
      if (first + value.size() > parts[1].size()) std::abort();
      Variant groups = call(*match.asObject(), "SubMatches", InvokeKind::Get);
      double groupCount = *call(*groups.asObject(), "Count", InvokeKind::Get).asNumber();
      for (double g = -1; g <= groupCount; ++g) {
        call(*groups.asObject(), "Item", InvokeKind::Get, {Variant(g)});
      }
    }
  }
  call(regex, "Replace", InvokeKind::Call, {Variant(parts[1]), Variant(parts[2])});
  call(regex, "Test", InvokeKind::Call, {Variant(parts[1])});
  return 0;
}
