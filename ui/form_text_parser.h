// Reads a form description (UTF-8 text in the form-file syntax: `object Form1: TForm1`,
// properties, nested objects, `end`) into a tree. Properties and objects keep their stored order.
#pragma once

#include "ui/form_text_tree.h"

#include <cstddef>
#include <string_view>

namespace form_text {

// Objects, lists and collections nest at most this deep.
inline constexpr std::size_t kMaxNesting = 64;

// The one top-level object of the description. Throws ParseError (with the 1-based line and
// what was expected) for any malformed text; never reads out of bounds and always ends.
Object Parse(std::string_view text);

} // namespace form_text
