// Keeps window placements of a test in a folder of its own, away from the user's settings.
#pragma once

#include <QSettings>
#include <QString>

#include "support/temp_dir.h"

namespace melvoro::test {

class PlacementSandbox {
 public:
  PlacementSandbox() {
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       QString::fromStdString(dir_.path().string()));
  }
  // What the placement code writes, read back the way it reads.
  static QSettings Stored() { return QSettings(QSettings::IniFormat, QSettings::UserScope, "Malvoro"); }

  const TempDir& Dir() const { return dir_; }

 private:
  TempDir dir_;
};

}  // namespace melvoro::test
