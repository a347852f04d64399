// Platform seam: the folders the system asks the OS for. Paths are the OS's own (UTF-8).
#pragma once

#include <filesystem>

namespace melvoro {

// The running executable and its folder (from /proc/self/exe); empty when unknown.
std::filesystem::path ExecutablePath();
std::filesystem::path ExecutableFolder();

// The user's home: $HOME, else the password database; empty when neither says.
std::filesystem::path HomeFolder();

// The XDG desktop folder: XDG_DESKTOP_DIR of $XDG_CONFIG_HOME/user-dirs.dirs (default
// ~/.config), else ~/Desktop. A missing desktop is created, one level only, as the Windows
// folder query's create flag did; empty when it neither exists nor can be made.
std::filesystem::path DesktopFolder();

// Where songs go unless the user chose: the desktop folder, else the home folder; empty when
// neither is a folder. Never the root folder.
std::filesystem::path DefaultDownloadFolder();

// $XDG_DATA_HOME, else ~/.local/share. Not created here.
std::filesystem::path UserDataFolder();

// $XDG_CONFIG_HOME, else ~/.config; empty when neither says. Not created here.
std::filesystem::path UserConfigFolder();

// Where config.ini lives: beside the program while the user may write into its folder (a build
// tree, a copy in the user's own folder), else, for an installed program, in
// <UserConfigFolder>/melvoro/. Nothing is created here.
std::filesystem::path ConfigFilePath(const std::filesystem::path& app_folder);

}  // namespace melvoro
