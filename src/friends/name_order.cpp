#include "friends/name_order.h"

#include <cwchar>
#include <string>

#include "core/text/cp1251.h"

namespace melvoro {

namespace {

// Wide text collates under LC_COLLATE whatever the locale's own byte encoding is.
std::wstring Wide(std::string_view text) {
  std::wstring wide;
  wide.reserve(text.size());
  for (const char c : text)
    wide += static_cast<wchar_t>(cp1251_detail::CodePointForByte(static_cast<unsigned char>(c)));
  return wide;
}

}  // namespace

bool NameBefore(std::string_view a, std::string_view b) {
  return std::wcscoll(Wide(a).c_str(), Wide(b).c_str()) < 0;
}

}  // namespace melvoro
