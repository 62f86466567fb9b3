// Time and memory to turn a packed skin into elements: open the archive, parse the ini,
// decompress and decode every image the load reads and build every element, derived ones
// included; then the time to read the larger copies, which a load leaves until a display
// density asks for one.
//
//   bench_skin_model                 the generated skin (33 entries, about 770 KB unpacked)
//   bench_skin_model FILE            a packed skin file instead
//   bench_skin_model --hostile       skins built to make a load slow: one large image named by
//                                    60 sections, and 16,000 sections
//   bench_skin_model --write FILE    writes the generated skin, packed (--small: tiny images)
#include "bench/generated_skin.h"

#include "skin/model/lzh.h"
#include "skin/model/quick_ini.h"
#include "skin/model/skin_archive.h"
#include "skin/model/skin_catalogue.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <sys/resource.h>

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

long PeakRssKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

struct Times {
    double open = 0, build = 0, copies = 0;
    TSkinLoadWork work;
    std::size_t decompressed = 0; // archive bytes the load decompressed
    double Total() const { return open + build; }
};

// The first picture with a larger copy, whose Get() reads every copy of the load.
const TLargePicture* FirstCopy(const TSkinElements& e) {
    for (const TNamedElement& n : ListSkinElements(e))
        if (!n.Element->Image.Empty()) return &n.Element->Image2x;
    return nullptr;
}

Times LoadOnce(const std::vector<std::uint8_t>& packed, TSkinElements& elements) {
    Times t;
    auto start = Clock::now();
    auto reader = std::make_shared<TSkinReader>();
    reader->Open(packed);
    std::string iniName;
    TQuickIni ini;
    ini.LoadFromStream(reader->ExtractFirstContaining(".ini", iniName));
    auto now = Clock::now();
    t.open = Ms(now - start);
    start = now;
    TSkinLoadInputs inputs;
    inputs.Track = TPixelImage(20, 6, 0x808080);
    inputs.TrackVert = TPixelImage(6, 20, 0x808080);
    t.work = LoadSkinElements(elements, reader, ini, inputs);
    now = Clock::now();
    t.build = Ms(now - start);
    t.decompressed = reader->Decompressed();
    start = now;
    if (const TLargePicture* copy = FirstCopy(elements)) copy->Get();
    t.copies = Ms(Clock::now() - start);
    return t;
}

std::size_t ElementPixels(const TSkinElements& e) {
    std::size_t pixels = 0;
    for (const TNamedElement& n : ListSkinElements(e))
        pixels += n.Element->Image.Pixels.size();
    return pixels;
}

void Report(const std::string& source, const std::vector<std::uint8_t>& packed, int runs) {
    const std::size_t unpacked = LzhDecodeContainer(packed).size();
    const long rssBefore = PeakRssKb();
    std::vector<Times> times;
    std::size_t elements = 0, pixels = 0;
    for (int i = 0; i < runs; ++i) {
        TSkinElements e;
        times.push_back(LoadOnce(packed, e));
        elements = ListSkinElements(e).size();
        pixels = ElementPixels(e);
    }
    std::sort(times.begin(), times.end(),
              [](const Times& a, const Times& b) { return a.Total() < b.Total(); });
    const Times& median = times[static_cast<std::size_t>(runs / 2)];
    std::printf("skin             %s: %zu bytes packed, %zu unpacked\n", source.c_str(),
                packed.size(), unpacked);
    std::printf("elements         %zu, %zu pixels (%.1f MiB as 32-bit pixels)\n", elements, pixels,
                static_cast<double>(pixels) * 4 / (1 << 20));
    std::printf("load (median of %d)  %.2f ms: archive directory+ini %.2f, elements %.2f\n", runs,
                median.Total(), median.open, median.build);
    std::printf("decompressed     %zu of %zu bytes by the load\n", median.decompressed, unpacked);
    std::printf("larger copies    %.2f ms to read them all, once a density asks for one\n",
                median.copies);
    std::printf("load (best)      %.2f ms\n", times.front().Total());
    std::printf("work             %d images decoded (%lld pixels), %llu ini lines examined\n",
                median.work.ImageDecodes, static_cast<long long>(median.work.DecodedPixels),
                static_cast<unsigned long long>(median.work.IniLinesExamined));
    std::printf("peak RSS         %ld KiB (%ld KiB before loading)\n", PeakRssKb(), rssBefore);
}

std::vector<std::uint8_t> Pack(const std::vector<SkinArchiveEntry>& entries) {
    return LzhEncodeContainer(PackSkinArchive(entries));
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && args[0] == "--write" && args.size() >= 2) {
        const bool small = args.size() == 3 && args[2] == "--small";
        const std::vector<std::uint8_t> packed = Pack(GeneratedSkin(small ? 0 : 1));
        std::ofstream(args[1], std::ios::binary)
            .write(reinterpret_cast<const char*>(packed.data()),
                   static_cast<std::streamsize>(packed.size()));
        return 0;
    }
    if (!args.empty() && args[0] == "--hostile") {
        // Few runs: a loader that falls for them takes seconds per load.
        Report("one 4096 x 4096 image named by 60 sections", Pack(LargeImageSkin(60)), 3);
        std::printf("--\n");
        Report("16,000 sections", Pack(ManySectionsSkin(16000)), 3);
        return 0;
    }
    if (!args.empty()) {
        std::ifstream in(args[0], std::ios::binary);
        Report(args[0], {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()}, 20);
        return 0;
    }
    Report("generated skin", Pack(GeneratedSkin(1)), 20);
    return 0;
}
