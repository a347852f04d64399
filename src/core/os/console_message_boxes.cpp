#include "core/os/console_message_boxes.h"

#include <iostream>

#include "core/text/cp1251.h"

namespace melvoro {

void ConsoleMessageBoxes::Show(const std::string& caption, const std::string& text, MessageIcon /*icon*/) {
  std::cerr << Cp1251ToUtf8(caption) << ": " << Cp1251ToUtf8(text) << std::endl;
}

}  // namespace melvoro
