// Text rules shared by the skin readers: names and keys are compared after ASCII lower-casing,
// and lines are trimmed of every character up to the space.
#pragma once

#include <string>
#include <string_view>

std::string AsciiLower(std::string_view text);

// `text` without leading and trailing bytes of value 0..32.
std::string_view TrimBlanks(std::string_view text);
