// Any bytes as a decompressed skin archive: opened or refused, and every entry of an opened one
// extracts within the data.
#include "skin/model/skin_archive.h"
#include "skin/model/skin_error.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TSkinReader reader;
    try {
        reader.OpenDecoded({data, data + size});
    } catch (const ESkinError&) {
        return 0;
    }
    std::uint64_t total = 0;
    for (std::size_t i = 0; i < reader.Names().size(); ++i) {
        const std::vector<std::uint8_t> entry = reader.Extract(reader.Names()[i]);
        if (entry.size() > size) std::abort();
        total += reader.ExtractAt(i).size();
    }
    if (total > size) std::abort();
    std::string found;
    reader.ExtractFirstContaining(".ini", found);
    return 0;
}
