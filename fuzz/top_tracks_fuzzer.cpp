// last.fm's top-tracks answer, UTF-8 XML.
#include "fuzz_target.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "charts/chart_parser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  melvoro::ParseTopTracks(std::string_view(reinterpret_cast<const char*>(data), size), "Glass Otters");
  return 0;
}
