// The order of names in the friends list: the user's locale collation (LC_COLLATE), as the
// list views of the platform sort.
#pragma once

#include <string_view>

namespace melvoro {

// Windows-1251 names; true when a sorts before b.
bool NameBefore(std::string_view a, std::string_view b);

}  // namespace melvoro
