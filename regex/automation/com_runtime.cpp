#include "regex/automation/com_runtime.h"

#include "regex/automation/class_registry.h"

namespace lirvane::automation {
namespace {
thread_local int t_initializeCount = 0;
}

ComResult CoInitialize(void*) { return t_initializeCount++ == 0 ? kOk : kAlreadyInitialized; }

void CoUninitialize() {
  if (t_initializeCount > 0) --t_initializeCount;
}

bool isComInitialized() { return t_initializeCount > 0; }

ComObject createObject(std::string_view className) {
  if (!isComInitialized()) return {};
  for (const RegisteredClass& entry : classRegistry()) {
    if (memberIs(className, entry.name)) return ComObject(entry.create());
  }
  return {};
}

}  // namespace lirvane::automation
