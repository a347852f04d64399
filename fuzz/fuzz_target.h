// The entry point every target defines: libFuzzer calls it in the fuzz build, replay_main.cpp
// in the regular one.
#pragma once

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
