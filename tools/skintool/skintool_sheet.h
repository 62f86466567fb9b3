// skintool sheet: the contact sheet of a packed skin's elements.
#pragma once

#include "skin/model/skin_archive.h"

#include <cstdint>
#include <vector>

// Every element the program builds from the skin in `reader`, frame by frame under its field
// and section name, as a 24-bit bitmap file.
std::vector<std::uint8_t> SheetBmp(TSkinReader reader);
