#include "regex/vbscript/regexp_object.h"

#include <cmath>
#include <memory>
#include <string>

#include "regex/automation/variant.h"
#include "regex/vbscript/compiled_pattern.h"
#include "regex/vbscript/replacement.h"

namespace lirvane::vbscript {
namespace {

using automation::AutomationObject;
using automation::ComObject;
using automation::InvokeKind;
using automation::memberIs;
using automation::Variant;

// What one Execute found, shared by the objects that present it.
struct Execution {
  std::shared_ptr<const std::u16string> subject;
  MatchList matches;

  std::u16string text(const std::size_t* span) const {
    return subject->substr(span[0], span[1] - span[0]);
  }
};
using ExecutionPtr = std::shared_ptr<const Execution>;

// An index argument, rounded to an integer as the platform coerces numbers.
std::optional<std::size_t> indexArgument(std::span<const Variant> args, std::size_t limit) {
  if (args.size() != 1) return std::nullopt;
  auto number = args[0].toNumber();
  if (!number) return std::nullopt;
  double rounded = std::nearbyint(*number);
  if (!(rounded >= 0) || rounded >= static_cast<double>(limit)) return std::nullopt;
  return static_cast<std::size_t>(rounded);
}

bool isGet(InvokeKind kind, std::span<const Variant> args) {
  return kind == InvokeKind::Get && args.empty();
}

class SubMatchesObject final : public AutomationObject {
 public:
  SubMatchesObject(ExecutionPtr execution, std::size_t match)
      : execution_(std::move(execution)), match_(match) {}

  bool invoke(std::string_view name, InvokeKind kind, std::span<const Variant> args,
              Variant& result) override {
    const MatchList& list = execution_->matches;
    if (memberIs(name, "Count") && isGet(kind, args)) {
      result = Variant(static_cast<double>(list.groupCount));
      return true;
    }
    if ((memberIs(name, "Item") || name.empty()) && kind == InvokeKind::Get) {
      auto group = indexArgument(args, static_cast<std::size_t>(list.groupCount));
      if (!group) return false;
      const std::size_t* span = list.match(match_) + 2 * (*group + 1);
      result = span[0] == kUnset ? Variant() : Variant(execution_->text(span));
      return true;
    }
    return false;
  }

 private:
  ExecutionPtr execution_;
  std::size_t match_;
};

class MatchObject final : public AutomationObject {
 public:
  MatchObject(ExecutionPtr execution, std::size_t match)
      : execution_(std::move(execution)), match_(match) {}

  bool invoke(std::string_view name, InvokeKind kind, std::span<const Variant> args,
              Variant& result) override {
    if (!isGet(kind, args)) return false;
    const std::size_t* span = execution_->matches.match(match_);
    if (memberIs(name, "Value") || name.empty()) {
      result = Variant(execution_->text(span));
    } else if (memberIs(name, "FirstIndex")) {
      result = Variant(static_cast<double>(span[0]));
    } else if (memberIs(name, "Length")) {
      result = Variant(static_cast<double>(span[1] - span[0]));
    } else if (memberIs(name, "SubMatches")) {
      result = Variant(ComObject(new SubMatchesObject(execution_, match_)));
    } else {
      return false;
    }
    return true;
  }

 private:
  ExecutionPtr execution_;
  std::size_t match_;
};

class MatchCollectionObject final : public AutomationObject {
 public:
  explicit MatchCollectionObject(ExecutionPtr execution) : execution_(std::move(execution)) {}

  bool invoke(std::string_view name, InvokeKind kind, std::span<const Variant> args,
              Variant& result) override {
    std::size_t count = execution_->matches.size();
    if (memberIs(name, "Count") && isGet(kind, args)) {
      result = Variant(static_cast<double>(count));
      return true;
    }
    if ((memberIs(name, "Item") || name.empty()) && kind == InvokeKind::Get) {
      auto index = indexArgument(args, count);
      if (!index) return false;
      result = Variant(ComObject(new MatchObject(execution_, *index)));
      return true;
    }
    return false;
  }

 private:
  ExecutionPtr execution_;
};

class RegExpObject final : public AutomationObject {
 public:
  bool invoke(std::string_view name, InvokeKind kind, std::span<const Variant> args,
              Variant& result) override {
    if (memberIs(name, "Pattern")) return stringProperty(pattern_, kind, args, result);
    if (memberIs(name, "IgnoreCase")) return boolProperty(ignoreCase_, kind, args, result);
    if (memberIs(name, "Multiline")) return boolProperty(multiline_, kind, args, result);
    if (memberIs(name, "Global")) return boolProperty(global_, kind, args, result);
    if (kind != InvokeKind::Call) return false;
    if (memberIs(name, "Execute")) return execute(args, result);
    if (memberIs(name, "Replace")) return replace(args, result);
    if (memberIs(name, "Test")) return test(args, result);
    return false;
  }

 private:
  bool stringProperty(std::u16string& field, InvokeKind kind, std::span<const Variant> args,
                      Variant& result) {
    if (isGet(kind, args)) {
      result = Variant(field);
      return true;
    }
    if (kind != InvokeKind::Put || args.size() != 1) return false;
    auto value = args[0].toString();
    if (!value) return false;
    field = std::move(*value);
    return true;
  }

  bool boolProperty(bool& field, InvokeKind kind, std::span<const Variant> args, Variant& result) {
    if (isGet(kind, args)) {
      result = Variant(field);
      return true;
    }
    if (kind != InvokeKind::Put || args.size() != 1) return false;
    auto value = args[0].toBool();
    if (!value) return false;
    field = *value;
    return true;
  }

  std::shared_ptr<const CompiledPattern> compiled() {
    if (!compiled_ || compiledPattern_ != pattern_ || compiledIgnoreCase_ != ignoreCase_ ||
        compiledMultiline_ != multiline_) {
      compiled_ = CompiledPattern::compile(pattern_, ignoreCase_, multiline_);
      compiledPattern_ = pattern_;
      compiledIgnoreCase_ = ignoreCase_;
      compiledMultiline_ = multiline_;
    }
    return compiled_;
  }

  // Runs the search over the first argument, as text.
  std::shared_ptr<Execution> search(std::span<const Variant> args, std::size_t argCount) {
    if (args.size() != argCount) return nullptr;
    auto subject = args[0].toSharedString();
    auto pattern = compiled();
    if (!subject || !pattern) return nullptr;
    auto matches = pattern->findAll(*subject, global_);
    if (!matches) return nullptr;
    return std::make_shared<Execution>(Execution{std::move(subject), std::move(*matches)});
  }

  bool execute(std::span<const Variant> args, Variant& result) {
    auto execution = search(args, 1);
    if (!execution) return false;
    result = Variant(ComObject(new MatchCollectionObject(std::move(execution))));
    return true;
  }

  bool replace(std::span<const Variant> args, Variant& result) {
    if (args.size() != 2) return false;
    auto replacement = args[1].toString();
    auto execution = replacement ? search(args, 2) : nullptr;
    if (!execution) return false;
    result = Variant(replaceMatches(*execution->subject, execution->matches, *replacement));
    return true;
  }

  bool test(std::span<const Variant> args, Variant& result) {
    bool wasGlobal = std::exchange(global_, false);
    auto execution = search(args, 1);
    global_ = wasGlobal;
    if (!execution) return false;
    result = Variant(execution->matches.size() > 0);
    return true;
  }

  std::u16string pattern_;
  bool ignoreCase_ = false;
  bool multiline_ = false;
  bool global_ = false;

  // The last compilation, reused while the pattern and options stay.
  std::shared_ptr<const CompiledPattern> compiled_;
  std::u16string compiledPattern_;
  bool compiledIgnoreCase_ = false;
  bool compiledMultiline_ = false;
};

}  // namespace

AutomationObject* newRegExpObject() { return new RegExpObject(); }

}  // namespace lirvane::vbscript
