#define PCRE2_CODE_UNIT_WIDTH 8
#include "core/text/regex.h"

#include <pcre2.h>

#include <memory>

namespace melvoro {

namespace {

pcre2_code* Code(void* p) { return static_cast<pcre2_code*>(p); }

std::string ErrorText(int code) {
  PCRE2_UCHAR buffer[256];
  pcre2_get_error_message(code, buffer, sizeof buffer);
  return reinterpret_cast<const char*>(buffer);
}

// The default JIT stack (32 KiB) is too small for long lazy runs over a big page; each
// thread keeps one large stack for all its matches.
pcre2_jit_stack* ThreadJitStack() {
  struct Holder {
    pcre2_jit_stack* stack = pcre2_jit_stack_create(64 * 1024, 8 * 1024 * 1024, nullptr);
    ~Holder() { pcre2_jit_stack_free(stack); }
  };
  thread_local Holder holder;
  return holder.stack;
}

struct MatchDataDeleter {
  void operator()(pcre2_match_data* p) const { pcre2_match_data_free(p); }
};
struct MatchContextDeleter {
  void operator()(pcre2_match_context* p) const { pcre2_match_context_free(p); }
};

}  // namespace

std::string_view RegexMatch::Group(int n) const {
  if (!Matched(n)) return {};
  const std::size_t begin = ovector_[2 * n];
  return subject_.substr(begin, ovector_[2 * n + 1] - begin);
}

bool RegexMatch::Matched(int n) const {
  return n >= 0 && static_cast<std::uint32_t>(n) < pairs_ && ovector_[2 * n] != PCRE2_UNSET;
}

Regex::Regex(std::string_view pattern, std::uint32_t options) {
  std::uint32_t flags = 0;
  if (options & kDotAll) flags |= PCRE2_DOTALL;
  if (options & kCaseless) flags |= PCRE2_CASELESS;
  int error = 0;
  PCRE2_SIZE offset = 0;
  pcre2_code* code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern.data()), pattern.size(), flags,
                                   &error, &offset, nullptr);
  if (!code)
    throw RegexError("regex compile error at offset " + std::to_string(offset) + ": " + ErrorText(error));
  // Without JIT support the interpreter still gives the same results, only slower.
  pcre2_jit_compile(code, PCRE2_JIT_COMPLETE);
  code_ = code;
}

Regex::Regex(Regex&& other) noexcept : code_(other.code_) { other.code_ = nullptr; }

Regex& Regex::operator=(Regex&& other) noexcept {
  if (this != &other) {
    pcre2_code_free(Code(code_));
    code_ = other.code_;
    other.code_ = nullptr;
  }
  return *this;
}

Regex::~Regex() { pcre2_code_free(Code(code_)); }

int Regex::GroupCount() const {
  std::uint32_t count = 0;
  pcre2_pattern_info(Code(code_), PCRE2_INFO_CAPTURECOUNT, &count);
  return static_cast<int>(count);
}

MatchEnd Regex::ForEachMatch(std::string_view subject, const std::function<bool(const RegexMatch&)>& fn,
                             const MatchBudget& budget) const {
  std::unique_ptr<pcre2_match_data, MatchDataDeleter> data(
      pcre2_match_data_create_from_pattern(Code(code_), nullptr));
  std::unique_ptr<pcre2_match_context, MatchContextDeleter> context(pcre2_match_context_create(nullptr));
  if (!data || !context) throw RegexError("out of memory for a regex match");
  pcre2_jit_stack_assign(context.get(), nullptr, ThreadJitStack());
  if (budget.match_limit != 0) pcre2_set_match_limit(context.get(), budget.match_limit);
  if (budget.depth_limit != 0) pcre2_set_depth_limit(context.get(), budget.depth_limit);
  const auto deadline = std::chrono::steady_clock::now() + budget.time;

  const auto* text = reinterpret_cast<PCRE2_SPTR>(subject.data());
  const PCRE2_SIZE length = subject.size();
  const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(data.get());
  const std::uint32_t pairs = pcre2_get_ovector_count(data.get());

  PCRE2_SIZE start = 0;
  std::uint32_t flags = 0;
  while (start <= length) {
    // pcre2_match, not pcre2_jit_match: JIT ignores PCRE2_ANCHORED given at match time.
    const int rc = pcre2_match(Code(code_), text, length, start, flags, data.get(), context.get());
    if (rc == PCRE2_ERROR_NOMATCH) {
      if (flags == 0) break;
      // No non-empty match at the place of an empty one: step over one byte and go on.
      flags = 0;
      ++start;
      continue;
    }
    if (rc == PCRE2_ERROR_MATCHLIMIT || rc == PCRE2_ERROR_DEPTHLIMIT || rc == PCRE2_ERROR_HEAPLIMIT)
      return MatchEnd::kOverBudget;
    if (rc < 0) throw RegexError("regex match error: " + ErrorText(rc));
    if (!fn(RegexMatch(subject, ovector, pairs))) break;
    if (budget.time.count() != 0 && std::chrono::steady_clock::now() > deadline) return MatchEnd::kOverBudget;
    start = ovector[1];
    flags = ovector[0] == ovector[1] ? (PCRE2_NOTEMPTY_ATSTART | PCRE2_ANCHORED) : 0;
  }
  return MatchEnd::kComplete;
}

std::optional<std::vector<std::string>> Regex::FirstMatch(std::string_view subject) const {
  std::optional<std::vector<std::string>> result;
  const int groups = GroupCount();
  ForEachMatch(subject, [&](const RegexMatch& m) {
    auto& out = result.emplace();
    for (int g = 0; g <= groups; ++g) out.emplace_back(m.Group(g));
    return false;
  });
  return result;
}

}  // namespace melvoro
