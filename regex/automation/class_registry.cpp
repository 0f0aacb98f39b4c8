#include "regex/automation/class_registry.h"

#include "regex/vbscript/regexp_object.h"

namespace lirvane::automation {

std::span<const RegisteredClass> classRegistry() {
  static constexpr RegisteredClass kClasses[] = {
      {"VBScript.RegExp", &vbscript::newRegExpObject},
  };
  return kClasses;
}

}  // namespace lirvane::automation
