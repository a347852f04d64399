// melvoro-cli update-script NEW_EXE: writes the script the update window would start to swap
// NEW_EXE over this very program, and prints the script's path.
#include <filesystem>
#include <iostream>

#include "cli/commands.h"
#include "core/os/os_path.h"
#include "core/os/user_folders.h"
#include "core/text/cp1251.h"
#include "update/update_script.h"

namespace melvoro::cli {

int CommandUpdateScript(const Args& args) {
  if (args.size() != 1 || args[0].empty()) {
    PrintUsage("update-script");
    return 2;
  }
  // The script runs from wherever the shell starts it: a relative name would miss the file,
  // and a copy that fails restarts the old program without a word.
  std::error_code error;
  const std::filesystem::path new_exe = std::filesystem::absolute(ToOsPath(Utf8ToCp1251(args[0])), error);
  if (error || !std::filesystem::is_regular_file(new_exe, error)) {
    std::cerr << "error " << args[0] << ": not a file\n";
    return 1;
  }
  try {
    const std::string script = WriteUpdateScript(FromOsPath(new_exe), FromOsPath(ExecutablePath()));
    std::cout << Cp1251ToUtf8(script) << std::endl;
  } catch (const std::exception& e) {
    std::cerr << "error " << e.what() << std::endl;
    return 1;
  }
  return 0;
}

}  // namespace melvoro::cli
