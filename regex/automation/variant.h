// Variant: one automation value, as it passes in and out of automation
// objects: nothing (Empty), a boolean, a number (double), a UTF-16 string, or
// an object reference.
//
// Plain value type; copying an object Variant adds a reference. Not
// synchronised.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <variant>

#include "regex/automation/com_object.h"

namespace lirvane::automation {

class Variant {
 public:
  Variant() = default;
  explicit Variant(bool value) : value_(value) {}
  explicit Variant(double value) : value_(value) {}
  explicit Variant(std::u16string value)
      : value_(std::make_shared<const std::u16string>(std::move(value))) {}
  explicit Variant(ComObject object) : value_(std::move(object)) {}

  bool isEmpty() const { return std::holds_alternative<std::monostate>(value_); }
  void clear() { value_ = std::monostate{}; }

  const bool* asBool() const { return std::get_if<bool>(&value_); }
  const double* asNumber() const { return std::get_if<double>(&value_); }
  const std::u16string* asString() const {
    const auto* shared = std::get_if<SharedString>(&value_);
    return shared ? shared->get() : nullptr;
  }
  const ComObject* asObject() const { return std::get_if<ComObject>(&value_); }

  // The platform's coercions: what a caller gets when it asks for a value of
  // another type. Booleans read as text are "-1" and "0"; Empty reads as ""
  // and 0; an object reads as its default member. nullopt when no coercion
  // exists.
  std::optional<std::u16string> toString() const;
  std::optional<double> toNumber() const;
  std::optional<bool> toBool() const;
  // As toString, but a string value is shared rather than copied: a large
  // subject crosses into a component once.
  std::shared_ptr<const std::u16string> toSharedString() const;

 private:
  // Strings are immutable once made, like the platform's, so copies of a
  // Variant share one.
  using SharedString = std::shared_ptr<const std::u16string>;
  std::variant<std::monostate, bool, double, SharedString, ComObject> value_;
};

}  // namespace lirvane::automation
