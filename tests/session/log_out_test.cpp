#include "session/log_out.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/os/file_io.h"
#include "support/temp_dir.h"

namespace melvoro {
namespace {

Hosts LocalHosts() {
  Hosts hosts;
  hosts.Network = "network.localhost:8080";
  hosts.Login = "login.localhost:8080";
  return hosts;
}

TEST(LogOut, DeletesTheFilesOfBothHostsAndKeepsTheRest) {
  const test::TempDir dir;
  dir.Write("network.localhost_8080.cookie", "remixsid=1");
  dir.Write("Network.old", "x");  // either case, as the Windows shell matched
  dir.Write("login.localhost.cookie", "y");
  dir.Write("other.cookie", "z");
  std::filesystem::create_directory(dir / "network.folder");

  EXPECT_EQ(LogOut(dir.path(), LocalHosts()), 3);
  EXPECT_FALSE(std::filesystem::exists(dir / "Network.old"));
  EXPECT_FALSE(std::filesystem::exists(dir / "login.localhost.cookie"));
  EXPECT_TRUE(std::filesystem::exists(dir / "other.cookie"));
  EXPECT_TRUE(std::filesystem::is_directory(dir / "network.folder"));
  EXPECT_EQ(LogOut(dir.path(), LocalHosts()), 0);
}

TEST(LogOut, NothingToDeleteAndFoldersItCannotRead) {
  const test::TempDir dir;
  EXPECT_EQ(LogOut(dir / "missing", LocalHosts()), 0);
  EXPECT_EQ(LogOut({}, LocalHosts()), 0);
  EXPECT_THROW(LogOut(dir.Write("not-a-folder", "x"), LocalHosts()), FileError);

  Hosts blank;
  blank.Network = ".ru";  // an empty word is in every name
  blank.Login = "";
  EXPECT_EQ(LogOut(dir.path(), blank), 0);
  EXPECT_TRUE(std::filesystem::exists(dir / "not-a-folder"));
}

}  // namespace
}  // namespace melvoro
