// The shell seam of the GUI: the desktop's associated programs through Qt, the file manager
// through the freedesktop FileManager1 D-Bus service.
#pragma once

#include <QString>
#include <QUrl>
#include <memory>
#include <string>

#include "core/os/shell.h"

namespace melvoro::ui {

class QtShell final : public Shell {
 public:
  // The file manager is asked over the session bus, or over the bus at bus_address. With an
  // opener (xdg-open), Open starts it and hears whether it found a program; without one, Qt's
  // desktop services open the target and can only say that they tried.
  explicit QtShell(QString bus_address = {}, QString opener = {})
      : bus_address_(std::move(bus_address)), opener_(std::move(opener)) {}

  // A target with "://" is a URL; anything else a file-system path (Windows-1251). False when
  // the opener could not start; a failure it reports later goes to OnOpenFailed.
  bool Open(const std::string& target) override;
  // Asks the file manager to select the file without waiting for it; when no file manager
  // serves the call, or it answers with an error, the file's folder is opened instead. A folder
  // that cannot be opened makes it false, or, found out later, goes to OnOpenFailed.
  bool ShowInFolder(const std::string& file_path) override;

 private:
  QString bus_address_;
  QString opener_;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

// The URL Open hands to the desktop for target.
QUrl TargetUrl(const std::string& target);

}  // namespace melvoro::ui
