// Keeps window placements of a test in a folder of its own, away from the user's settings.
#pragma once

#include <QSettings>
#include <QString>

#include "support/temp_dir.h"

namespace melvoro::test {

class PlacementSandbox {
 public:
  PlacementSandbox() {
    for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat})
      QSettings::setPath(format, QSettings::UserScope, QString::fromStdString(dir_.path().string()));
  }
  // What the placement code writes, read back the way it reads.
  static QSettings Stored() { return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Malvoro"); }

  const TempDir& Dir() const { return dir_; }

 private:
  TempDir dir_;
};

}  // namespace melvoro::test
