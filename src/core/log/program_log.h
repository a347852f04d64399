// The log of the current run: requests, queue additions, pages that yielded nothing, errors.
// Kept in memory only; the newest entry comes first.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/listeners.h"

namespace melvoro {

enum LogIcon : int {
  kLogInfo = 0,          // a request the user started, a song queued
  kLogError = 3,         // program errors
  kLogNothingFound = 5,  // a page that yielded nothing
};

struct LogEntry {
  std::chrono::system_clock::time_point When;
  std::string Time;         // local time of adding, "HH:MM:SS"
  std::string Description;  // as given
  std::string Details;      // through LogDetail and PageTextForLog; empty when none were given
  int Icon = kLogInfo;
};

class ProgramLog {
 public:
  // UI thread only.
  void AddLogEntry(const std::string& description, std::string_view details, int icon);

  std::size_t Count() const { return entries_.size(); }
  // 0 is the newest entry.
  const LogEntry& At(std::size_t index) const { return entries_[entries_.size() - 1 - index]; }

  // Called after an entry was added at the top.
  Listeners<> OnAdded;

  // The clock, replaceable so tests can fix the time.
  std::function<std::chrono::system_clock::time_point()> Now = [] {
    return std::chrono::system_clock::now();
  };

 private:
  std::vector<LogEntry> entries_;  // oldest first, so adding never moves the others
};

// The start of a detail and its total size: a whole page could be megabytes, and entries stay
// for the whole run.
inline constexpr std::size_t kLogDetailBytes = 64 * 1024;
std::string LogDetail(std::string_view detail);

// "HH:MM:SS" in local time.
std::string LongTimeText(std::chrono::system_clock::time_point when);

}  // namespace melvoro
