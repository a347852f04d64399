// Message boxes of the console programs: printed to standard error as UTF-8.
#pragma once

#include "core/os/message_box.h"

namespace melvoro {

class ConsoleMessageBoxes final : public MessageBoxes {
 public:
  void Show(const std::string& caption, const std::string& text, MessageIcon icon) override;
};

}  // namespace melvoro
