#include "regex/automation/variant.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace lirvane::automation {
namespace {

std::u16string asciiToUtf16(std::string_view ascii) { return {ascii.begin(), ascii.end()}; }

// As the platform writes a double: at most 15 significant digits, exponent
// form for very large or small magnitudes.
std::u16string numberToString(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.15G", value);
  return asciiToUtf16(buffer);
}

std::optional<double> parseNumber(const std::u16string& text) {
  std::string ascii;
  for (char16_t unit : text) {
    if (unit > 0x7F) return std::nullopt;
    ascii.push_back(static_cast<char>(unit));
  }
  std::size_t begin = ascii.find_first_not_of(" \t");
  std::size_t end = ascii.find_last_not_of(" \t");
  if (begin == std::string::npos) return std::nullopt;
  ascii = ascii.substr(begin, end - begin + 1);
  char* stop = nullptr;
  double value = std::strtod(ascii.c_str(), &stop);
  if (stop != ascii.c_str() + ascii.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<Variant> defaultValue(const ComObject& object) {
  if (object.isEmpty()) return std::nullopt;
  Variant value;
  if (!object.get()->invoke("", InvokeKind::Get, {}, value)) return std::nullopt;
  return value;
}

}  // namespace

std::optional<std::u16string> Variant::toString() const {
  if (isEmpty()) return std::u16string();
  if (const bool* b = asBool()) return asciiToUtf16(*b ? "-1" : "0");
  if (const double* n = asNumber()) return numberToString(*n);
  if (const std::u16string* s = asString()) return *s;
  if (auto inner = defaultValue(*asObject()); inner && !inner->asObject()) return inner->toString();
  return std::nullopt;
}

std::shared_ptr<const std::u16string> Variant::toSharedString() const {
  if (const auto* shared = std::get_if<SharedString>(&value_)) return *shared;
  auto text = toString();
  return text ? std::make_shared<const std::u16string>(std::move(*text)) : nullptr;
}

std::optional<double> Variant::toNumber() const {
  if (isEmpty()) return 0.0;
  if (const bool* b = asBool()) return *b ? -1.0 : 0.0;
  if (const double* n = asNumber()) return *n;
  if (const std::u16string* s = asString()) return parseNumber(*s);
  if (auto inner = defaultValue(*asObject()); inner && !inner->asObject()) return inner->toNumber();
  return std::nullopt;
}

std::optional<bool> Variant::toBool() const {
  if (const bool* b = asBool()) return *b;
  if (const std::u16string* s = asString()) {
    auto lower = *s;
    for (auto& unit : lower) {
      if (unit >= u'A' && unit <= u'Z') unit = static_cast<char16_t>(unit + 32);
    }
    if (lower == u"true") return true;
    if (lower == u"false") return false;
  }
  if (auto number = toNumber()) return *number != 0;
  return std::nullopt;
}

}  // namespace lirvane::automation
