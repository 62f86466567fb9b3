// The LZH decoder written plainly, step by step as the format is described: a 16-bit bit buffer
// refilled a byte at a time, one bit per tree step, every byte through the ring buffer, the
// tree rebuilt by shifting one entry at a time. The yardstick the benchmark measures the real
// decoder's instructions against, and the decoder the tests and the fuzz target compare the real
// one with; never used by the program.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

std::vector<std::uint8_t> PlainLzhDecode(std::span<const std::uint8_t> container);
