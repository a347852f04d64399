// The program's windows, built once in order and connected: the one place that knows which
// window opens which. main(), the window tests and the benchmarks build them the same way.
#pragma once

#include <filesystem>
#include <string>

#include "app/engine.h"
#include "ui/charts/charts_window.h"
#include "ui/feedback/feedback_window.h"
#include "ui/log/log_window.h"
#include "ui/main_window/main_window.h"
#include "ui/settings/settings_window.h"
#include "ui/update/update_window.h"

namespace melvoro::ui {

// What the windows ask of the system, besides the engine.
struct ProgramWindowsSeams {
  MessageBoxes& boxes;
  Shell& shell;
  std::filesystem::path cookie_folder;   // where the log-out deletes saved sessions
  std::filesystem::path program_folder;  // where config.ini and the update helper lie
  std::string running_exe;               // the program's own path (Windows-1251)
};

class ProgramWindows {
 public:
  // The engine and the seams must outlive the windows. Every window starts hidden.
  ProgramWindows(Engine& engine, const ProgramWindowsSeams& seams);
  // Hides every window first, so each saves its placement.
  ~ProgramWindows();
  ProgramWindows(const ProgramWindows&) = delete;
  ProgramWindows& operator=(const ProgramWindows&) = delete;

  void HideAll();

  MainWindow& Main() { return main_; }
  LogWindow& Log() { return log_; }
  SettingsWindow& Settings() { return settings_; }
  ChartsWindow& Charts() { return charts_; }
  FeedbackWindow& Feedback() { return feedback_; }
  UpdateWindow& Update() { return update_; }

 private:
  // The main window first: the others report to it or follow its placement.
  MainWindow main_;
  LogWindow log_;
  SettingsWindow settings_;
  ChartsWindow charts_;
  FeedbackWindow feedback_;
  // Nothing opens it: no part of the program downloads a new executable yet.
  UpdateWindow update_;
};

}  // namespace melvoro::ui
