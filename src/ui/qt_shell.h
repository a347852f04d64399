// The shell seam of the GUI: the desktop's associated programs through Qt, the file manager
// through the freedesktop FileManager1 D-Bus service.
#pragma once

#include <QString>
#include <QUrl>
#include <string>

#include "core/shell.h"

namespace melvoro::ui {

class QtShell final : public Shell {
 public:
  // The file manager is asked over the session bus, or over the bus at bus_address.
  explicit QtShell(QString bus_address = {}) : bus_address_(std::move(bus_address)) {}

  // A target with "://" is a URL; anything else a file-system path (Windows-1251).
  bool Open(const std::string& target) override;
  // Asks the file manager to select the file without waiting for it; when no file manager
  // serves the call, or it answers with an error, the file's folder is opened instead.
  bool ShowInFolder(const std::string& file_path) override;

 private:
  QString bus_address_;
};

// The URL Open hands to the desktop for target.
QUrl TargetUrl(const std::string& target);

}  // namespace melvoro::ui
