#include "ui/program_windows.h"

namespace melvoro::ui {

ProgramWindows::ProgramWindows(Engine& engine, const ProgramWindowsSeams& seams)
    : main_(engine, {seams.boxes, seams.shell, seams.cookie_folder}),
      log_(engine.Log()),
      settings_(engine.Settings(), seams.program_folder, engine.HostsTable(), engine.Requests(), engine.Log(),
                &main_, &log_),
      charts_(engine.Charts()),
      feedback_(engine.Settings(), engine.HostsTable(), engine.Requests(), engine.Log(), seams.shell),
      update_(seams.shell, engine.Queue(), seams.boxes, seams.running_exe, [this] { main_.close(); }) {
  main_.SetSettingsWindow(&settings_);
  main_.SetChartsWindow(&charts_);
  QObject::connect(&settings_, &SettingsWindow::feedbackRequested, &feedback_,
                   &FeedbackWindow::ShowWithCaption);
}

ProgramWindows::~ProgramWindows() { HideAll(); }

void ProgramWindows::HideAll() {
  feedback_.hide();
  charts_.hide();
  settings_.hide();
  log_.hide();
  main_.hide();
}

}  // namespace melvoro::ui
