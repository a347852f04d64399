// config.ini as found on disk, read and then written the way start-up and the settings window do.
#include "fuzz_target.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/config/ini_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  melvoro::IniText text(std::string(reinterpret_cast<const char*>(data), size));
  text.Read("Authorization", "cookie");
  for (const std::string& key : text.Keys("Melvoro")) text.Read("Melvoro", key);
  // Whatever the file held before, a saved setting must read back as saved.
  text.Write("Melvoro", "threads", "5");
  if (text.Read("Melvoro", "threads") != "5") std::abort();
  return 0;
}
