#include "netsim/mp3_frames.h"

#include <string>

namespace melvoro::netsim {

namespace {

constexpr std::size_t kFramesInBuffer = 1820;  // about 1 MiB: big slices for fast sends

}  // namespace

std::uint64_t Mp3BytesForDuration(int seconds) {
  if (seconds <= 0) return 0;
  const std::uint64_t samples = static_cast<std::uint64_t>(seconds) * kSampleRate;
  const std::uint64_t frames = (samples + kSamplesPerFrame - 1) / kSamplesPerFrame;
  return frames * kFrameBytes;
}

std::string_view FrameBuffer() {
  static const std::string buffer = [] {
    std::string frames(kFramesInBuffer * kFrameBytes, '\0');
    for (std::size_t f = 0; f < kFramesInBuffer; ++f)
      for (std::size_t i = 0; i < kFrameHeader.size(); ++i)
        frames[f * kFrameBytes + i] = static_cast<char>(kFrameHeader[i]);
    return frames;
  }();
  return buffer;
}

}  // namespace melvoro::netsim
