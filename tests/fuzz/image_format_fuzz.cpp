// Any bytes given to the BMP decoder or the icon directory reader either decode or raise
// EInvalidGraphic, without reading outside the buffer.
#include "ui/image_format.h"

#include <cstddef>
#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    for (bool file_header : {true, false}) {
        try {
            // A run-length header may promise 64 Mi pixels in a few bytes; filling them teaches
            // the fuzzer nothing the same runs in a small picture would not.
            if (ui::ReadBmpHeader(bytes, file_header).Pixels() > (1 << 20)) continue;
            ui::DecodeBmp(bytes, file_header);
        } catch (const ui::EInvalidGraphic&) {
        }
    }
    try {
        const auto entries = ui::ReadIcoDirectory(bytes);
        ui::ChooseIcoEntry(entries, 16, 16);
    } catch (const ui::EInvalidGraphic&) {
    }
    return 0;
}
