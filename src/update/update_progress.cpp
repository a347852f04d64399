#include "update/update_progress.h"

#include <exception>

#include "core/text/cp1251.h"
#include "core/text/texts.h"

namespace melvoro {

namespace {

constexpr int kFullBar = 100;

}  // namespace

std::optional<int> BarValueFromPercentText(std::string_view text) {
  if (text.size() < 2) return std::nullopt;
  if (text.back() == '%') text.remove_suffix(2);
  if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string_view::npos)
    return std::nullopt;
  int value = 0;
  for (const char c : text) value = value * 10 + (c - '0');
  if (value > kFullBar) return std::nullopt;
  return value;
}

bool CompleteUpdate(const UpdateCompletionSteps& steps, int update_slot) {
  std::string failure;
  try {
    const std::string script = steps.WriteScript();
    if (!steps.OpenScript(script)) failure = std::string(texts::kUpdateScriptNotStarted) + script;
  } catch (const std::exception& e) {
    failure = std::string(texts::kUpdateScriptNotWritten) + Utf8ToCp1251(e.what());
  }
  steps.GiveBackEntry(update_slot);
  if (!failure.empty()) {
    steps.ReportError(failure);
    return false;
  }
  steps.EndProgram();
  return true;
}

}  // namespace melvoro
