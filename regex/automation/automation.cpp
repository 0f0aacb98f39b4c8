#include "regex/automation/automation.h"

#include <vector>

#include "text/cp936.h"

namespace lirvane::automation {
namespace {

Variant invoke(const ComObject& holder, std::string_view name, InvokeKind kind,
               std::span<const Variant> args = {}) {
  Variant result;
  if (!holder.isEmpty() && !holder.get()->invoke(name, kind, args, result)) result.clear();
  return result;
}

bool put(const ComObject& holder, std::string_view name, Variant value) {
  Variant ignored;
  return !holder.isEmpty() && holder.get()->invoke(name, InvokeKind::Put, {&value, 1}, ignored);
}

Variant textArgument(const Text& text) { return Variant(cp936ToUtf16(text)); }

ComObject objectOf(const Variant& value) {
  const ComObject* object = value.asObject();
  return object ? *object : ComObject();
}

}  // namespace

bool createInstance(ComObject& holder, std::string_view className) {
  ComObject made = createObject(className);
  if (made.isEmpty()) return false;
  holder = std::move(made);
  return true;
}

bool putProperty(const ComObject& holder, std::string_view name, bool value) {
  return put(holder, name, Variant(value));
}

bool putProperty(const ComObject& holder, std::string_view name, const Text& value) {
  return put(holder, name, textArgument(value));
}

Text getTextProperty(const ComObject& holder, std::string_view name) {
  return toText(invoke(holder, name, InvokeKind::Get));
}

double getNumberProperty(const ComObject& holder, std::string_view name) {
  return invoke(holder, name, InvokeKind::Get).toNumber().value_or(0.0);
}

ComObject getObjectProperty(const ComObject& holder, std::string_view name,
                            std::optional<double> index) {
  if (!index) return objectOf(invoke(holder, name, InvokeKind::Get));
  Variant argument(*index);
  return objectOf(invoke(holder, name, InvokeKind::Get, {&argument, 1}));
}

Variant getVariantProperty(const ComObject& holder, std::string_view name, double index) {
  Variant argument(index);
  return invoke(holder, name, InvokeKind::Get, {&argument, 1});
}

Text callTextMethod(const ComObject& holder, std::string_view name,
                    std::initializer_list<Text> args) {
  std::vector<Variant> arguments;
  arguments.reserve(args.size());
  for (const Text& arg : args) arguments.push_back(textArgument(arg));
  return toText(invoke(holder, name, InvokeKind::Call, arguments));
}

ComObject callObjectMethod(const ComObject& holder, std::string_view name, const Text& arg) {
  Variant argument = textArgument(arg);
  return objectOf(invoke(holder, name, InvokeKind::Call, {&argument, 1}));
}

Text toText(const Variant& value) {
  // A string, the usual case, converts without a copy of its own.
  if (const std::u16string* s = value.asString()) return utf16ToText(*s);
  auto text = value.toString();
  return text ? utf16ToText(*text) : Text();
}

}  // namespace lirvane::automation
