#define PCRE2_CODE_UNIT_WIDTH 16
#include "regex/vbscript/compiled_pattern.h"

#include <pcre2.h>

#include "regex/vbscript/pattern_translator.h"

namespace lirvane::vbscript {
namespace {

// The classic dialect's reading of what the translator leaves to PCRE2.
constexpr uint32_t kDialectOptions =
    PCRE2_ALT_BSUX | PCRE2_MATCH_UNSET_BACKREF | PCRE2_DOLLAR_ENDONLY | PCRE2_ALLOW_EMPTY_CLASS;
constexpr uint32_t kIgnoreCaseOptions = PCRE2_CASELESS | PCRE2_UCP;

// Generous for any real pattern, yet small enough that a pathological one
// over a large subject gives up in seconds rather than hours.
constexpr uint32_t kMatchLimit = 10'000'000;
constexpr PCRE2_SIZE kJitStackStart = 32 * 1024;
constexpr PCRE2_SIZE kJitStackMax = 8 * 1024 * 1024;

template <typename T, void (*Free)(T*)>
struct Deleter {
  void operator()(T* p) const { Free(p); }
};
using CodePtr = std::unique_ptr<pcre2_code, Deleter<pcre2_code, pcre2_code_free>>;
using MatchDataPtr =
    std::unique_ptr<pcre2_match_data, Deleter<pcre2_match_data, pcre2_match_data_free>>;
using MatchContextPtr =
    std::unique_ptr<pcre2_match_context, Deleter<pcre2_match_context, pcre2_match_context_free>>;
using CompileContextPtr =
    std::unique_ptr<pcre2_compile_context,
                    Deleter<pcre2_compile_context, pcre2_compile_context_free>>;
using JitStackPtr =
    std::unique_ptr<pcre2_jit_stack, Deleter<pcre2_jit_stack, pcre2_jit_stack_free>>;

// One match context per thread, with its own JIT stack and the match limit.
pcre2_match_context* threadMatchContext() {
  struct PerThread {
    JitStackPtr stack{pcre2_jit_stack_create(kJitStackStart, kJitStackMax, nullptr)};
    MatchContextPtr context{pcre2_match_context_create(nullptr)};
    PerThread() {
      if (!stack || !context) return;
      pcre2_jit_stack_assign(context.get(), nullptr, stack.get());
      pcre2_set_match_limit(context.get(), kMatchLimit);
    }
  };
  thread_local PerThread perThread;
  return perThread.stack && perThread.context ? perThread.context.get() : nullptr;
}

}  // namespace

struct CompiledPattern::Code {
  CodePtr code;
};

CompiledPattern::CompiledPattern(std::unique_ptr<Code> code, int groupCount)
    : code_(std::move(code)), groupCount_(groupCount) {}

CompiledPattern::~CompiledPattern() = default;

std::shared_ptr<const CompiledPattern> CompiledPattern::compile(std::u16string_view pattern,
                                                                bool ignoreCase, bool multiline) {
  auto translated = translatePattern(pattern, ignoreCase, multiline);
  if (!translated) return nullptr;
  CompileContextPtr context(pcre2_compile_context_create(nullptr));
  if (!context) return nullptr;
  pcre2_set_newline(context.get(), PCRE2_NEWLINE_LF);
  int error = 0;
  PCRE2_SIZE errorOffset = 0;
  CodePtr code(pcre2_compile(reinterpret_cast<PCRE2_SPTR>(translated->pcre2.data()),
                             translated->pcre2.size(),
                             kDialectOptions | (ignoreCase ? kIgnoreCaseOptions : 0), &error,
                             &errorOffset, context.get()));
  if (!code || pcre2_jit_compile(code.get(), PCRE2_JIT_COMPLETE) != 0) return nullptr;
  uint32_t captures = 0;
  pcre2_pattern_info(code.get(), PCRE2_INFO_CAPTURECOUNT, &captures);
  auto compiled = std::make_unique<Code>();
  compiled->code = std::move(code);
  return std::shared_ptr<const CompiledPattern>(
      new CompiledPattern(std::move(compiled), static_cast<int>(captures)));
}

std::optional<MatchList> CompiledPattern::findAll(std::u16string_view subject, bool global) const {
  pcre2_match_context* context = threadMatchContext();
  MatchDataPtr data(pcre2_match_data_create_from_pattern(code_->code.get(), nullptr));
  if (!context || !data) return std::nullopt;
  MatchList list;
  list.groupCount = groupCount_;
  const auto* units = reinterpret_cast<PCRE2_SPTR>(subject.data());
  const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(data.get());
  std::size_t start = 0;
  while (start <= subject.size()) {
    int rc =
        pcre2_jit_match(code_->code.get(), units, subject.size(), start, 0, data.get(), context);
    if (rc == PCRE2_ERROR_NOMATCH) break;
    if (rc < 0) return std::nullopt;
    list.offsets.insert(list.offsets.end(), ovector, ovector + list.stride());
    if (!global) break;
    start = ovector[1] == ovector[0] ? ovector[1] + 1 : ovector[1];
  }
  return list;
}

}  // namespace lirvane::vbscript
