// The groups page: grouprow markup.
#include "fuzz_target.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "friends/friends_parser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  melvoro::ParseGroupsPage(std::string_view(reinterpret_cast<const char*>(data), size),
                           "http://network.localhost");
  return 0;
}
