// A search or audio-list page, Windows-1251 bytes as the site sends them.
#include "fuzz_target.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "search/page_parser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  melvoro::ParseSongs(std::string_view(reinterpret_cast<const char*>(data), size), "storage.localhost");
  return 0;
}
