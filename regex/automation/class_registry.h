// The classes that can be made by name, as the system's registry lists them
// on the platform. Read only by createObject.
#pragma once

#include <span>
#include <string_view>

#include "regex/automation/com_object.h"

namespace lirvane::automation {

struct RegisteredClass {
  std::string_view name;
  AutomationObject* (*create)();  // a new object with no references yet
};

std::span<const RegisteredClass> classRegistry();

}  // namespace lirvane::automation
