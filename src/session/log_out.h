// The log-out: the saved sessions of the social network and its login host are deleted, so
// the next start asks for a log-in.
#pragma once

#include <filesystem>

#include "core/http/hosts.h"
#include "session/cookie_folder.h"

namespace melvoro {

// Deletes every file in cookie_folder whose name holds the network's host word, then every one
// holding the login host (either case, as the Windows shell matched). Returns how many went.
// A missing folder deletes nothing. Throws FileError when the folder cannot be read or a file
// cannot be deleted, after trying the others.
int LogOut(const std::filesystem::path& cookie_folder, const Hosts& hosts);

}  // namespace melvoro
