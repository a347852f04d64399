// The update window's tick without the window: what the progress item's text does to the
// bar, and the steps that follow a complete download of the new executable.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "downloads/download_list.h"

namespace melvoro {

// The progress item's icon index once the new executable is complete, as in the download list.
inline constexpr int kUpdateCompleteIcon = static_cast<int>(DownloadState::Done);

// The bar's new value for the progress item's percentage text ("57 %": the last two characters
// go when the last is "%"), or nothing when the bar stays as it is: a text shorter than two
// characters, or whose rest is not a whole decimal number from 0 to 100 (refused, not clamped:
// a garbled text says nothing about the progress).
std::optional<int> BarValueFromPercentText(std::string_view text);

// What completion does, in this order; the window gives them, tests record them.
struct UpdateCompletionSteps {
  // Writes the swap script; returns its path. May throw (std::exception).
  std::function<std::string()> WriteScript;
  // Hands the script to the shell in a shown window; false when the shell could not.
  std::function<bool(const std::string& script_path)> OpenScript;
  // Gives back the album-track entry the download occupied.
  std::function<void(int entry)> GiveBackEntry;
  std::function<void()> EndProgram;
  // Says why the program goes on without the update (Windows-1251).
  std::function<void(const std::string& message)> ReportError;
};

// Writes and starts the script, gives back update_slot and ends the program. When the script
// cannot be written or started the program does not end, since nothing would start it again:
// the entry is given back all the same and the failure reported. True when it ended.
bool CompleteUpdate(const UpdateCompletionSteps& steps, int update_slot);

}  // namespace melvoro
