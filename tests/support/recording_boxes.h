// Message boxes that are only written down, for tests at the platform seam.
#pragma once

#include <string>
#include <vector>

#include "core/os/message_box.h"

namespace melvoro::test {

struct ShownBox {
  std::string caption, text;
  MessageIcon icon;
};

class RecordingBoxes final : public MessageBoxes {
 public:
  void Show(const std::string& caption, const std::string& text, MessageIcon icon) override {
    shown.push_back({caption, text, icon});
  }
  // The texts alone, in the order shown.
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const ShownBox& box : shown) texts.push_back(box.text);
    return texts;
  }

  std::vector<ShownBox> shown;
};

}  // namespace melvoro::test
