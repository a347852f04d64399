// The update check: the support server keeps a plain-text version file, the newest version on
// its first line and where to get it on the second:
//   2.1.0
//   http://support.melvoro.net/melvoro/download/
// Line ends may be LF or CR LF. The check compares that version with the program's own.
#pragma once

#include <chrono>
#include <string>
#include <string_view>

#include "core/http/hosts.h"

namespace melvoro {

// "http://" + the support host + "/melvoro/update/version.txt".
std::string VersionFileUrl(const Hosts& hosts);

// Dotted decimal versions compared component by component as numbers, a missing component
// counting as 0 ("2.1" equals "2.1.0", "2.10" is newer than "2.9"): <0, 0 or >0. Both must
// satisfy IsVersion.
int CompareVersions(std::string_view a, std::string_view b);
// One to eight dot-separated components of one to nine digits each.
bool IsVersion(std::string_view text);

struct UpdateCheckResult {
  enum class Outcome { kNewest, kNewer, kFailed };
  Outcome outcome = Outcome::kFailed;
  std::string Latest;   // the version the server offers; empty when kFailed
  std::string Url;      // where to get it
  std::string Message;  // what to tell the user (Windows-1251)
};

// What a version file's body says to a program of own_version. A body whose first line is no
// version, or whose second is no printable address, fails the check.
UpdateCheckResult ReadVersionFile(std::string_view body, std::string_view own_version);

// However the server answers, the check ends by then.
inline constexpr std::chrono::milliseconds kUpdateCheckDeadline = std::chrono::seconds(30);

// Fetches the version file and reads it, waiting for the answer on an event loop of its own.
// A failed request fails the check with the request's error text; an answer not complete by
// the deadline fails it as a server that did not answer.
UpdateCheckResult CheckForUpdate(const Hosts& hosts, std::string_view own_version,
                                 std::chrono::milliseconds deadline = kUpdateCheckDeadline);

}  // namespace melvoro
