// The automation calls the program makes: late-bound member access by name
// on a ComObject holder, with texts converted between code page 936 (Text)
// and UTF-16 on the way in and out.
//
// Contract:
// - No call throws or shows anything: every failure (empty holder, no such
//   member, arguments that do not fit, an error inside the object) comes back
//   as the empty result: false, "", 0, an empty holder or an Empty Variant.
// - Results are new values owned by the caller.
// - Thread safety is the object's: call one object from one thread at a time.
#pragma once

#include <initializer_list>
#include <optional>
#include <string_view>

#include "regex/automation/com_object.h"
#include "regex/automation/com_runtime.h"
#include "regex/automation/variant.h"
#include "text/text.h"

namespace lirvane::automation {

// Replaces the holder's object with a new one of the named class; on failure
// the holder keeps what it had.
bool createInstance(ComObject& holder, std::string_view className);
inline void clear(ComObject& holder) { holder.clear(); }
inline void clear(Variant& value) { value.clear(); }
inline bool isEmpty(const ComObject& holder) { return holder.isEmpty(); }
// `target` becomes another reference to the source's object.
inline void copyFrom(ComObject& target, const ComObject& source) { target = source; }

bool putProperty(const ComObject& holder, std::string_view name, bool value);
bool putProperty(const ComObject& holder, std::string_view name, const Text& value);

Text getTextProperty(const ComObject& holder, std::string_view name);
double getNumberProperty(const ComObject& holder, std::string_view name);
ComObject getObjectProperty(const ComObject& holder, std::string_view name,
                            std::optional<double> index = std::nullopt);
Variant getVariantProperty(const ComObject& holder, std::string_view name, double index);

Text callTextMethod(const ComObject& holder, std::string_view name,
                    std::initializer_list<Text> args);
ComObject callObjectMethod(const ComObject& holder, std::string_view name, const Text& arg);

Text toText(const Variant& value);

}  // namespace lirvane::automation
