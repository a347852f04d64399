// What every benchmark needs before it starts netsim.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace melvoro::bench {

// The benchmark itself, as a path another process can start.
inline std::filesystem::path OwnExecutable() { return std::filesystem::read_symlink("/proc/self/exe"); }

// Benchmarks are started by hand, not through CTest: netsim is found beside the benchmark,
// in <build>/bin, unless MELVORO_BIN_DIR says otherwise.
inline void FindProgramsBesideSelf() {
  const std::string folder = OwnExecutable().parent_path().string();
  setenv("MELVORO_BIN_DIR", folder.c_str(), 0);
}

}  // namespace melvoro::bench
