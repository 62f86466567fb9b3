// Review picture of a skin directory: a mock of the program's main window composed from the
// skin's pieces. (skintool sheet shows every element of a packed skin frame by frame.)
#pragma once

#include "tools/skinart/image.h"

#include <optional>
#include <string>

namespace skinart {

// The main window (263 x 354 client, dialog frame, caption, three buttons, check box,
// combo box, list box with a vertical scroll bar) drawn from the skin's images and the
// margins of its skin.ini, on a plain desktop. ASCII stands in for the Chinese texts. At
// scale 2 every measure is doubled and the pictures are the skin's larger copies (NAME@2x.bmp).
std::optional<Image> window_mock(const std::string& skin_dir, int scale = 1);

} // namespace skinart
