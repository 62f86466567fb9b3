// Text rules shared by the skin readers: names and keys are compared after ASCII lower-casing,
// and lines are trimmed of every character up to the space.
#pragma once

#include <string>
#include <string_view>

std::string AsciiLower(std::string_view text);

// `text` without leading and trailing bytes of value 0..32.
std::string_view TrimBlanks(std::string_view text);

// Equal after ASCII lower-casing of both sides.
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

// Below 0, 0 or above 0 as `a` sorts before, with or after `b` after ASCII lower-casing.
int CompareIgnoringAsciiCase(std::string_view a, std::string_view b);

// The line of `text` that starts at `at`, up to CR, LF or the end; moves `at` past its line break
// (CR LF, a lone CR or a lone LF).
std::string_view NextLine(std::string_view text, std::size_t& at);
