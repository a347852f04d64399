// Platform seam: modal message boxes. The GUI shows real dialogs, the console front prints,
// tests record.
#pragma once

#include <string>

namespace melvoro {

enum class MessageIcon { None, Information, Warning, Error };

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // Shows a modal box with an OK button and returns when it is closed. Texts are Windows-1251.
  virtual void Show(const std::string& caption, const std::string& text, MessageIcon icon) = 0;
};

}  // namespace melvoro
