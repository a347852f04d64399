// Modal message boxes of the GUI, without an owner window.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/os/message_box.h"

namespace melvoro::ui {

class QtMessageBoxes final : public MessageBoxes {
 public:
  // While a box of the same caption and text is open this returns at once: the open box's
  // event loop keeps delivering other workers' calls, and one failing cause must not stack
  // a box per request.
  void Show(const std::string& caption, const std::string& text, MessageIcon icon) override;

  int OpenBoxes() const { return static_cast<int>(open_.size()); }

 private:
  std::vector<std::pair<std::string, std::string>> open_;
};

}  // namespace melvoro::ui
