// Throughput of the LZH codec on a fixed 3 MiB corpus shaped like skins: bitmap rows, ini text,
// noise and sparse runs, or on the contents of a file. Prints encode and decode speed and the
// compression ratio.
//
//   bench_codec [--corpus FILE]                     timed runs (best of several)
//   bench_codec [--corpus FILE] --decode-once       one decode and nothing else, for callgrind
//   bench_codec [--corpus FILE] --plain-decode-once the same with the plain decoder
#include "bench/plain_lzh.h"
#include "skin/model/lzh.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kCorpusSize = 3u << 20;

// 24-bit images framed in magenta, as skin images are: vertical gradients (every row one colour)
// and horizontal ones (every row the same).
void AppendBitmapRows(std::vector<std::uint8_t>& out, std::size_t bytes, std::mt19937& random) {
    const std::size_t end = out.size() + bytes;
    for (int image = 0; out.size() < end; ++image) {
        const int width = 16 + static_cast<int>(random() % 200);
        const int height = 8 + static_cast<int>(random() % 40);
        const bool vertical = image % 2 == 0;
        for (int y = 0; y < height && out.size() < end; ++y) {
            for (int x = 0; x < width; ++x) {
                const bool frame = x < 2 || x >= width - 2 || y == 0 || y == height - 1;
                const int t = vertical ? y * 4 : x;
                out.push_back(frame ? 0xFF : static_cast<std::uint8_t>(image * 7 + t));
                out.push_back(frame ? 0x00 : static_cast<std::uint8_t>(128 + t / 2));
                out.push_back(frame ? 0xFF : static_cast<std::uint8_t>(255 - t));
            }
        }
    }
    out.resize(end);
}

void AppendIniText(std::vector<std::uint8_t>& out, std::size_t bytes, std::mt19937& random) {
    static const char* keys[] = {"Image",        "LeftWidth",      "TopHeight", "RightWidth",
                                 "BottomHeight", "Trans",          "Tile",      "Frame",
                                 "NormalColour", "MouseOverColour"};
    std::string text;
    for (int section = 0; text.size() < bytes; ++section) {
        text += "[Element" + std::to_string(section) + "]\r\n";
        for (const char* key : keys) {
            text += std::string(key) + "=" + std::to_string(random() % 300) + "\r\n";
        }
        text += "; element " + std::to_string(section) + " done\r\n\r\n";
    }
    out.insert(out.end(), text.begin(), text.begin() + static_cast<std::ptrdiff_t>(bytes));
}

std::vector<std::uint8_t> MakeCorpus() {
    std::mt19937 random(20000);
    std::vector<std::uint8_t> out;
    out.reserve(kCorpusSize);
    AppendBitmapRows(out, 1280u << 10, random);
    AppendIniText(out, 768u << 10, random);
    for (std::size_t i = 0; i < (512u << 10); ++i)
        out.push_back(static_cast<std::uint8_t>(random()));
    while (out.size() < kCorpusSize)
        out.push_back(random() % 64 == 0 ? static_cast<std::uint8_t>(random()) : 0);
    return out;
}

template <typename Work> double BestSeconds(int runs, Work work) {
    double best = 1e30;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        best = std::min(
            best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::uint8_t> corpus;
    const char* file = nullptr;
    const char* once = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--corpus") == 0 && i + 1 < argc) {
            file = argv[++i];
        } else {
            once = argv[i];
        }
    }
    if (file) {
        std::ifstream in(file, std::ios::binary);
        corpus.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (corpus.empty()) {
            std::fprintf(stderr, "bench_codec: cannot read %s\n", file);
            return 2;
        }
    } else {
        corpus = MakeCorpus();
    }
    const std::vector<std::uint8_t> packed = LzhEncodeContainer(corpus);
    if (once && std::strcmp(once, "--decode-once") == 0) {
        return LzhDecodeContainer(packed) == corpus ? 0 : 1;
    }
    if (once && std::strcmp(once, "--plain-decode-once") == 0) {
        return PlainLzhDecode(packed) == corpus ? 0 : 1;
    }

    std::vector<std::uint8_t> decoded;
    const double decodeSeconds = BestSeconds(5, [&] { decoded = LzhDecodeContainer(packed); });
    if (decoded != corpus) {
        std::fprintf(stderr, "bench_codec: decoded corpus differs\n");
        return 1;
    }
    const double encodeSeconds = BestSeconds(3, [&] { LzhEncodeContainer(corpus); });
    const double megabytes = static_cast<double>(corpus.size()) / 1e6;
    std::printf("corpus           %zu bytes (%s)\n", corpus.size(),
                file ? file : "bitmap rows, ini text, noise, sparse runs");
    std::printf("compressed       %zu bytes, ratio %.3f (%.1f %% of the input)\n", packed.size(),
                static_cast<double>(corpus.size()) / static_cast<double>(packed.size()),
                100.0 * static_cast<double>(packed.size()) / static_cast<double>(corpus.size()));
    std::printf("decode           %.1f MB/s of output (best of 5, %.1f ms)\n",
                megabytes / decodeSeconds, decodeSeconds * 1e3);
    std::printf("encode           %.1f MB/s of input (best of 3, %.1f ms)\n",
                megabytes / encodeSeconds, encodeSeconds * 1e3);
    return 0;
}
