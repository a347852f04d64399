// The picture of a friend or group: which addresses are fetched, and decoding the answer.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace melvoro {

struct Picture {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint8_t> Rgb;  // Width * Height * 3 bytes, rows top to bottom
};

// Larger headers are refused before anything is allocated: a forged header could ask for
// gigabytes.
inline constexpr int kMaxPictureSide = 4096;

// Only "http:" addresses ending in "jpg" or "jpeg", exactly so.
bool PictureWanted(std::string_view url);

// The image, or nothing for a body that is not a whole, sane JPEG. Never ends the process.
std::optional<Picture> DecodeJpeg(std::string_view bytes);

}  // namespace melvoro
