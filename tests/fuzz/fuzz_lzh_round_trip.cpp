// Any bytes through the encoder and back must come out unchanged.
#include "skin/model/lzh.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> input(data, data + size);
    if (LzhDecodeContainer(LzhEncodeContainer(input)) != input) std::abort();
    return 0;
}
