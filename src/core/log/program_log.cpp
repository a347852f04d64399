#include "core/log/program_log.h"

#include <ctime>

#include "core/text/text_helpers.h"
#include "core/text/texts.h"

namespace melvoro {

std::string LongTimeText(std::chrono::system_clock::time_point when) {
  const std::time_t t = std::chrono::system_clock::to_time_t(when);
  std::tm local{};
  localtime_r(&t, &local);
  char text[16];
  std::strftime(text, sizeof text, "%H:%M:%S", &local);
  return text;
}

std::string LogDetail(std::string_view detail) {
  if (detail.size() <= kLogDetailBytes) return std::string(detail);
  return std::string(detail.substr(0, kLogDetailBytes)) + texts::kLogDetailCut.str() +
         std::to_string(detail.size()) + ")";
}

void ProgramLog::AddLogEntry(const std::string& description, std::string_view details, int icon) {
  LogEntry entry;
  entry.When = Now();
  entry.Time = LongTimeText(entry.When);
  entry.Description = description;
  entry.Details = PageTextForLog(LogDetail(details));
  entry.Icon = icon;
  entries_.push_back(std::move(entry));
  OnAdded();
}

}  // namespace melvoro
