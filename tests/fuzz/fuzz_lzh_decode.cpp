// Any bytes as a compressed skin stream: decoded or refused, never read or written out of bounds,
// and decoded to the same bytes as the plain decoder that follows the format step by step.
#include "bench/plain_lzh.h"
#include "skin/model/lzh.h"
#include "skin/model/skin_error.h"
#include "ui/le_bytes.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A smaller limit than the program's keeps each run quick; the bound is the same code path.
    constexpr std::uint32_t kLimit = 1u << 16;
    try {
        const std::vector<std::uint8_t> out = LzhDecodeContainer({data, size}, kLimit);
        const std::uint32_t declared = ui::GetU32({data, size}, 0);
        if (out.size() != declared) std::abort();
        if (out != PlainLzhDecode({data, size})) std::abort();
    } catch (const ElzhException&) {
    }
    return 0;
}
