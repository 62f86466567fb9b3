// Any bytes given to the form description reader either parse or raise ParseError.
#include "ui/form_text_parser.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        form_text::Parse(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const form_text::ParseError&) {
    }
    return 0;
}
