// A settings window with everything it needs, in a sandbox of its own.
#pragma once

#include <QLabel>
#include <QWidget>
#include <memory>

#include "core/config/settings_table.h"
#include "core/http/hosts.h"
#include "core/log/activity_indicator.h"
#include "core/log/program_log.h"
#include "core/request_harness.h"
#include "placement_sandbox.h"
#include "qt_seams/qt_ui_thread.h"
#include "support/temp_dir.h"
#include "ui/settings/settings_window.h"

namespace melvoro::test {

struct SettingsWindowFixture {
  SettingsWindowFixture() {
    main_window.resize(400, 300);
    main_window.show();
  }

  ui::SettingsWindow& Create() {
    window = std::make_unique<ui::SettingsWindow>(
        settings, app.path(), hosts, RequestContext{ui, activity, boxes}, log, &main_window, &log_window);
    return *window;
  }

  template <typename Widget>
  Widget& Find(const char* name) const {
    auto* found = window->findChild<Widget*>(QString::fromLatin1(name));
    if (!found) throw std::runtime_error(std::string("no control ") + name);
    return *found;
  }

  PlacementSandbox sandbox;
  TempDir app;
  SettingsTable settings;
  Hosts hosts;
  ui::QtUiThread ui;
  ActivityIndicator activity;
  RecordingBoxes boxes;
  ProgramLog log;
  QWidget main_window;
  QWidget log_window;
  std::unique_ptr<ui::SettingsWindow> window;
};

}  // namespace melvoro::test
