// A radio site's chart page, UTF-8.
#include "fuzz_target.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "charts/chart_parser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  melvoro::ParseChartPage(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
