// A friend's or group's picture as the server sent it.
#include "fuzz_target.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "friends/jpeg_picture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto picture = melvoro::DecodeJpeg(std::string_view(reinterpret_cast<const char*>(data), size));
  if (picture && picture->Rgb.size() != static_cast<std::size_t>(picture->Width) * picture->Height * 3)
    std::abort();
  return 0;
}
