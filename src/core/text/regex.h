// A compiled PCRE2 pattern (8-bit, JIT where available), shared read-only between threads.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace melvoro {

class RegexError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One match, valid only inside the callback that receives it.
class RegexMatch {
 public:
  RegexMatch(std::string_view subject, const std::size_t* ovector, std::uint32_t pairs)
      : subject_(subject), ovector_(ovector), pairs_(pairs) {}

  // Group 0 is the whole match. A group that took no part gives the empty text.
  std::string_view Group(int n) const;
  bool Matched(int n) const;
  std::size_t Start() const { return ovector_[0]; }
  std::size_t End() const { return ovector_[1]; }

 private:
  std::string_view subject_;
  const std::size_t* ovector_;
  std::uint32_t pairs_;
};

// Bounds on the matching work of one ForEachMatch, for subjects from outside: a crafted text
// can make a backtracking pattern run for minutes. Zero means PCRE2's own default.
struct MatchBudget {
  std::uint32_t match_limit = 0;  // per search for the next match
  std::uint32_t depth_limit = 0;
  std::chrono::steady_clock::duration time{};  // the whole iteration; checked between matches
};

enum class MatchEnd {
  kComplete,  // searched to the end, or fn stopped it
  kOverBudget,
};

class Regex {
 public:
  enum Options : std::uint32_t {
    kNone = 0,
    kDotAll = 1 << 0,  // "." also matches line breaks
    kCaseless = 1 << 1,
  };

  // Throws RegexError with PCRE2's message and the offset of the fault.
  explicit Regex(std::string_view pattern, std::uint32_t options = kDotAll);
  Regex(Regex&& other) noexcept;
  Regex& operator=(Regex&& other) noexcept;
  Regex(const Regex&) = delete;
  Regex& operator=(const Regex&) = delete;
  ~Regex();

  int GroupCount() const;

  // Calls fn for every match from the start of subject, each search starting where the
  // previous match ended (an empty match moves on by one byte). fn returns false to stop.
  // Throws RegexError when matching fails for a reason other than "no match" or the budget.
  MatchEnd ForEachMatch(std::string_view subject, const std::function<bool(const RegexMatch&)>& fn,
                        const MatchBudget& budget = {}) const;

  // The first match's groups, copied; nullopt when there is none.
  std::optional<std::vector<std::string>> FirstMatch(std::string_view subject) const;

 private:
  void* code_ = nullptr;  // pcre2_code_8*
};

}  // namespace melvoro
