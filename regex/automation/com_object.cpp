#include "regex/automation/com_object.h"

namespace lirvane::automation {
namespace {
std::atomic<std::size_t> g_liveObjects{0};
}

AutomationObject::AutomationObject() { g_liveObjects.fetch_add(1, std::memory_order_relaxed); }

AutomationObject::~AutomationObject() { g_liveObjects.fetch_sub(1, std::memory_order_relaxed); }

std::size_t AutomationObject::liveObjectCount() {
  return g_liveObjects.load(std::memory_order_relaxed);
}

bool memberIs(std::string_view name, std::string_view member) {
  if (name.size() != member.size()) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (lower(name[i]) != lower(member[i])) return false;
  }
  return true;
}

void ComObject::clear() {
  AutomationObject* object = std::exchange(object_, nullptr);
  if (object && object->references_.fetch_sub(1, std::memory_order_acq_rel) == 1) delete object;
}

}  // namespace lirvane::automation
