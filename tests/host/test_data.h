// Sample data for the skin codec tests: reproducible pseudo-random bytes, ini-like text, and
// small conversions.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

std::vector<std::uint8_t> Bytes(std::string_view text);
std::string Text(const std::vector<std::uint8_t>& bytes);

std::vector<std::uint8_t> RandomBytes(std::size_t size, std::uint32_t seed);
// Text in the shape of a skin description, `size` bytes long.
std::vector<std::uint8_t> IniLikeText(std::size_t size);

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& file);
void WriteBytes(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes);
