// Review pictures of a skin directory: a contact sheet of every bitmap and a mock of the
// program's main window composed from the skin's pieces.
#pragma once

#include "image.h"

#include <optional>
#include <string>

namespace skinart {

// Every .bmp of the directory, sorted by name, with its name and size written under it
// and the frame boundaries of the pictures this generator knows marked in red.
std::optional<Image> contact_sheet(const std::string& skin_dir);

// The main window (263 x 354 client, dialog frame, caption, three buttons, check box,
// combo box, list box with a vertical scroll bar) drawn from the skin's images and the
// margins of its skin.ini, on a plain desktop. ASCII stands in for the Chinese texts.
std::optional<Image> window_mock(const std::string& skin_dir);

} // namespace skinart
