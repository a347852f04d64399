// A field of a page with its entities.
#include "fuzz_target.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/text/text_helpers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  // Every entity decodes to fewer bytes than it is written in.
  if (melvoro::HtmlDecode(text).size() > text.size()) std::abort();
  return 0;
}
