// Silent MPEG-1 Layer III audio: 128 kbit/s, 32 kHz, mono, so every frame is 576 bytes and
// lasts 36 ms. Zero side information decodes as silence.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace melvoro::netsim {

inline constexpr std::size_t kFrameBytes = 576;
inline constexpr std::array<unsigned char, 4> kFrameHeader = {0xFF, 0xFB, 0x98, 0xC4};
inline constexpr int kSampleRate = 32000;
inline constexpr int kSamplesPerFrame = 1152;

// The size of a song of that many seconds: whole frames covering the duration.
std::uint64_t Mp3BytesForDuration(int seconds);

// About 1 MiB of whole frames, built once; byte i of any frame stream is byte
// i % size() of this buffer.
std::string_view FrameBuffer();

}  // namespace melvoro::netsim
