// A settings window with everything it needs, in a sandbox of its own.
#pragma once

#include <QLabel>
#include <QWidget>
#include <memory>

#include "core/activity_indicator.h"
#include "core/hosts.h"
#include "core/program_log.h"
#include "core/request_harness.h"
#include "core/settings_table.h"
#include "placement_sandbox.h"
#include "support/temp_dir.h"
#include "ui/form_settings.h"
#include "ui/qt_ui_thread.h"

namespace melvoro::test {

struct SettingsWindowFixture {
  SettingsWindowFixture() {
    main_window.resize(400, 300);
    main_window.show();
  }

  ui::TformSettings& Create() {
    window = std::make_unique<ui::TformSettings>(
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
  TArray settings;
  Hosts hosts;
  ui::QtUiThread ui;
  ActivityIndicator activity;
  RecordingBoxes boxes;
  ProgramLog log;
  QWidget main_window;
  QWidget log_window;
  std::unique_ptr<ui::TformSettings> window;
};

}  // namespace melvoro::test
