// Fresh names in the temporary folder for files that live on after the program: playlists
// handed to the player, scripts handed to the shell.
#pragma once

#include <string>
#include <string_view>

namespace melvoro {

// "<temporary folder>/~XXXXXX.~tp" (Windows-1251), a name no file has. The empty file
// "~XXXXXX" is created and left behind so the stem stays reserved. The folder is $TMPDIR, else
// /tmp. Throws FileError when neither can hold a new file.
std::string TempName();

// Opens a file that must not exist yet, for writing. The descriptor, or -1 with errno set
// (EEXIST: someone else has that name: ask for a new one).
int CreateNewFile(std::string_view cp1251_path);

// Writes bytes into a new file named as TempName() + extension (no stem file is left) and
// returns its path. A file that could not be written whole is removed: half a playlist or
// script would do half its work. Throws FileError.
std::string WriteNewTempFile(std::string_view extension, std::string_view bytes);

}  // namespace melvoro
