// Sample data and temporary folders for the skin codec tests.
#include "tests/host/test_data.h"

#include <fstream>
#include <iterator>
#include <random>

std::vector<std::uint8_t> Bytes(std::string_view text) {
    return {text.begin(), text.end()};
}

std::string Text(const std::vector<std::uint8_t>& bytes) {
    return {bytes.begin(), bytes.end()};
}

std::vector<std::uint8_t> RandomBytes(std::size_t size, std::uint32_t seed) {
    std::mt19937 random(seed);
    std::vector<std::uint8_t> out(size);
    for (auto& b : out)
        b = static_cast<std::uint8_t>(random());
    return out;
}

std::vector<std::uint8_t> IniLikeText(std::size_t size) {
    std::string text;
    for (int i = 0; text.size() < size; ++i) {
        text += "[Element" + std::to_string(i) + "]\r\nImage=element" + std::to_string(i) +
                ".bmp\r\nLeftWidth=" + std::to_string(i % 7) + "\r\nTrans=1\r\nNormalColour=0x" +
                std::to_string(100000 + i * 37) + "\r\n\r\n";
    }
    text.resize(size);
    return Bytes(text);
}

TempDir::TempDir() {
    std::random_device seed;
    path_ = std::filesystem::temp_directory_path() / ("skin_core_test_" + std::to_string(seed()));
    std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}
