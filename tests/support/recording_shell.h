// A shell that opens nothing and remembers what it was asked to open or show.
#pragma once

#include <string>
#include <vector>

#include "core/os/shell.h"

namespace melvoro::test {

class RecordingShell final : public Shell {
 public:
  bool Open(const std::string& target) override {
    opened.push_back(target);
    return !fails;
  }
  bool ShowInFolder(const std::string& file_path) override {
    shown_in_folder.push_back(file_path);
    return !fails;
  }
  std::vector<std::string> opened, shown_in_folder;
  bool fails = false;  // no program on this desktop opens anything
};

}  // namespace melvoro::test
