// The automation object model: AutomationObject, the late-bound interface of
// every object (members called by name, as through IDispatch), and ComObject,
// a holder of one counted reference to such an object.
//
// Contract:
// - An object lives while any ComObject refers to it; the reference count is
//   atomic, so holders may be dropped on any thread.
// - An object itself is not synchronised: one thread calls it at a time.
// - Member names are matched without regard to ASCII letter case.
// - liveObjectCount() tells how many objects exist, so tests can check that
//   nothing outlives its owner.
#pragma once

#include <atomic>
#include <cstddef>
#include <span>
#include <string_view>
#include <utility>

namespace lirvane::automation {

class Variant;

enum class InvokeKind { Get, Put, Call };

class AutomationObject {
 public:
  AutomationObject();
  AutomationObject(const AutomationObject&) = delete;
  AutomationObject& operator=(const AutomationObject&) = delete;
  virtual ~AutomationObject();

  // Calls member `name`: reads a property (with optional index arguments),
  // writes one (the value is the last argument) or calls a method. An empty
  // name is the default member. Returns false when the object has no such
  // member, the arguments do not fit, or the member fails; `result` is then
  // left Empty.
  virtual bool invoke(std::string_view name, InvokeKind kind, std::span<const Variant> args,
                      Variant& result) = 0;

  static std::size_t liveObjectCount();

 private:
  friend class ComObject;
  std::atomic<long> references_{0};
};

// True when `name` equals `member` ignoring ASCII letter case.
bool memberIs(std::string_view name, std::string_view member);

class ComObject {
 public:
  ComObject() = default;
  // Takes the first reference to a newly made object.
  explicit ComObject(AutomationObject* fresh) : object_(fresh) { retain(); }
  ComObject(const ComObject& other) : object_(other.object_) { retain(); }
  ComObject(ComObject&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
  ComObject& operator=(ComObject other) noexcept {
    std::swap(object_, other.object_);
    return *this;
  }
  ~ComObject() { clear(); }

  bool isEmpty() const { return object_ == nullptr; }
  void clear();
  AutomationObject* get() const { return object_; }

 private:
  void retain() {
    if (object_) object_->references_.fetch_add(1, std::memory_order_relaxed);
  }

  AutomationObject* object_ = nullptr;
};

}  // namespace lirvane::automation
