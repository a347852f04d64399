// Platform seam: hand a file, folder or web address to the program the desktop associates
// with it, and show a file in the file manager. The GUI uses Qt, the console and the engine
// default use xdg-open, tests record.
#pragma once

#include <string>

#include "core/listeners.h"

namespace melvoro {

class Shell {
 public:
  virtual ~Shell() = default;
  // Opens target (an absolute file path or a URL, Windows-1251). False when nothing could open it.
  virtual bool Open(const std::string& target) = 0;
  // An open that was under way when Open or ShowInFolder returned failed after all (the desktop
  // found no program for the target, or the folder). Called on the UI thread; shells that know
  // at once never call it.
  Listeners<const std::string&> OnOpenFailed;
  // Shows the file selected in the file manager, or at least its folder. False on failure.
  virtual bool ShowInFolder(const std::string& file_path) = 0;
};

}  // namespace melvoro
