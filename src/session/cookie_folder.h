// Where saved sessions live: one file per network host under the user's data folder. The
// authorization utility writes them; the log-out deletes them by the host's word.
#pragma once

#include <filesystem>
#include <string_view>

namespace melvoro {

// <data_folder>/melvoro/cookies
std::filesystem::path CookieFolderIn(const std::filesystem::path& data_folder);
// The folder under the user's data folder; empty when there is none.
std::filesystem::path CookieFolder();
// "<host>.cookie" for a hosts-table entry (Windows-1251, may carry ":port"): ":" and "/" become
// "_", so a host never names another folder and the host's word stays in the name.
std::filesystem::path CookieFileName(std::string_view network_host);

}  // namespace melvoro
