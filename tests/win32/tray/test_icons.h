// Small icons made in code for the tray tests: an .ico file with a 16x16 and a 32x32 image of
// 32 bits per pixel, filled with one colour and a border of another.
#pragma once
#include <cstdint>
#include <vector>

namespace tray_test {

std::vector<std::uint8_t> MakeTestIco(std::uint32_t fill_rgb, std::uint32_t border_rgb = 0x202020);

} // namespace tray_test
