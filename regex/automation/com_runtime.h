// The per-thread automation runtime: CoInitialize / CoUninitialize and
// creation of objects by class name.
//
// Contract:
// - Initialisation is counted per thread: CoInitialize returns kOk the first
//   time on a thread and kAlreadyInitialized after; each call wants one
//   CoUninitialize. An unbalanced CoUninitialize does nothing.
// - createObject makes an object only on a thread that is initialised, as on
//   the platform; it knows the classes of classRegistry (class_registry.h).
// - Safe from any thread; each thread sees only its own initialisation.
#pragma once

#include <string_view>

#include "regex/automation/com_object.h"

namespace lirvane::automation {

enum ComResult { kOk = 0, kAlreadyInitialized = 1 };

ComResult CoInitialize(void* reserved = nullptr);
void CoUninitialize();
bool isComInitialized();

// A new object of the class named `className`; empty when the thread is not
// initialised or no such class is registered.
ComObject createObject(std::string_view className);

}  // namespace lirvane::automation
