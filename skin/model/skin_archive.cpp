// Skin archive reader and writer.
#include "skin/model/skin_archive.h"

#include "skin/model/lzh.h"
#include "skin/model/skin_error.h"
#include "skin/model/skin_text.h"
#include "ui/le_bytes.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <utility>

namespace {

constexpr std::size_t kHeaderSize = 16;
constexpr std::uint32_t kWrittenVersion = 20000;

using ui::GetU32;
using ui::PutU32;

// Lines end at CR LF, a lone CR or a lone LF; a final line break adds no empty line. Stops after
// `most` + 1 lines: a list of millions of empty names must not cost millions of strings.
std::vector<std::string> SplitNameList(std::string_view text, std::size_t most) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < text.size() && lines.size() <= most)
        lines.emplace_back(NextLine(text, at));
    return lines;
}

[[noreturn]] void Fail(const std::string& what) {
    throw ESkinArchiveError("Skin archive: " + what);
}

[[noreturn]] void TooManyEntries() {
    Fail("more than the " + std::to_string(TSkinReader::kMaxEntries) + " entries allowed");
}

} // namespace

int SkinArchiveBlockSize(std::uint32_t version) {
    constexpr std::array<std::pair<std::uint32_t, int>, 6> blocks{
        {{20000, 0}, {30000, 256}, {40000, 80}, {50000, 48}, {60000, 117}, {70000, 69}}};
    for (const auto& [code, size] : blocks) {
        if (code == version) return size;
    }
    return -1;
}

void TSkinReader::Open(std::span<const std::uint8_t> compressed) {
    TSkinReader fresh;
    fresh.stream_ = std::make_unique<TLzhStream>(compressed);
    fresh.ReadDirectory();
    *this = std::move(fresh);
}

void TSkinReader::OpenDecoded(std::vector<std::uint8_t> archive) {
    TSkinReader fresh;
    fresh.archive_ = std::move(archive);
    fresh.ReadDirectory();
    *this = std::move(fresh);
}

std::size_t TSkinReader::DecodedSize() const {
    return stream_ ? stream_->Size() : archive_.size();
}

std::span<const std::uint8_t> TSkinReader::Prefix(std::size_t end) const {
    end = std::min(end, DecodedSize());
    if (stream_) return stream_->Decoded(static_cast<std::uint32_t>(end));
    return std::span<const std::uint8_t>(archive_).first(end);
}

void TSkinReader::ReadDirectory() {
    const std::size_t size = DecodedSize();
    if (size < kHeaderSize) Fail("too short for its header");
    const std::span<const std::uint8_t> header = Prefix(kHeaderSize);
    const std::uint32_t version = GetU32(header, 0);
    const int block = SkinArchiveBlockSize(version);
    if (block < 0) throw EOlderSkinFile();

    const std::uint32_t nameListSize = GetU32(header, 4);
    const std::size_t namesAt = kHeaderSize + static_cast<std::size_t>(block);
    if (namesAt > size || nameListSize > size - namesAt) {
        Fail("the name list runs past the end of the data");
    }
    const std::span<const std::uint8_t> listed = Prefix(namesAt + nameListSize);
    const std::string_view nameList(reinterpret_cast<const char*>(listed.data() + namesAt),
                                    nameListSize);
    std::vector<std::string> names = SplitNameList(nameList, kMaxEntries);
    if (names.size() > kMaxEntries) TooManyEntries();
    for (std::string& name : names)
        name = AsciiLower(name);

    const std::size_t sizesAt = namesAt + nameListSize;
    if (names.size() * 4 > size - sizesAt) Fail("the size table runs past the end of the data");
    const std::size_t contents = sizesAt + names.size() * 4;
    const std::span<const std::uint8_t> table = Prefix(contents);

    std::vector<std::uint32_t> sizes;
    std::vector<std::uint64_t> offsets;
    std::uint64_t total = 0;
    for (std::size_t i = 0; i < names.size(); ++i) {
        sizes.push_back(GetU32(table, sizesAt + 4 * i));
        offsets.push_back(total);
        total += sizes.back();
    }
    if (total > size - contents) {
        Fail("the entries need " + std::to_string(total) + " bytes, only " +
             std::to_string(size - contents) + " are there");
    }

    version_ = version;
    std::vector<std::size_t> byName(names.size());
    std::iota(byName.begin(), byName.end(), std::size_t{0});
    std::stable_sort(byName.begin(), byName.end(),
                     [&names](std::size_t a, std::size_t b) { return names[a] < names[b]; });

    names_ = std::move(names);
    byName_ = std::move(byName);
    sizes_ = std::move(sizes);
    offsets_ = std::move(offsets);
    contents_ = contents;
}

std::span<const std::uint8_t> TSkinReader::EntryBytes(std::size_t index) const {
    const std::size_t at = contents_ + offsets_.at(index);
    return Prefix(at + sizes_[index]).subspan(at);
}

std::vector<std::uint8_t> TSkinReader::ExtractAt(std::size_t index) const {
    const std::span<const std::uint8_t> bytes = EntryBytes(index);
    return {bytes.begin(), bytes.end()};
}

std::optional<std::size_t> TSkinReader::IndexOf(std::string_view name) const {
    const std::string wanted = AsciiLower(name);
    const auto found = std::lower_bound(
        byName_.begin(), byName_.end(), wanted,
        [this](std::size_t index, const std::string& w) { return names_[index] < w; });
    if (found == byName_.end() || names_[*found] != wanted) return std::nullopt;
    return *found;
}

std::vector<std::uint8_t> TSkinReader::Extract(std::string_view name) const {
    const std::optional<std::size_t> index = IndexOf(name);
    return index ? ExtractAt(*index) : std::vector<std::uint8_t>{};
}

std::vector<std::uint8_t> TSkinReader::ExtractFirstContaining(std::string_view text,
                                                              std::string& foundName) const {
    foundName.clear();
    // An empty text is contained nowhere, as the name search has always treated it.
    if (text.empty()) return {};
    for (std::size_t i = 0; i < names_.size(); ++i) {
        if (names_[i].find(text) != std::string::npos) {
            foundName = names_[i];
            return ExtractAt(i);
        }
    }
    return {};
}

std::vector<std::uint8_t> PackSkinArchive(std::span<const SkinArchiveEntry> entries) {
    if (entries.size() > TSkinReader::kMaxEntries) TooManyEntries();
    std::string nameList;
    std::uint64_t total = 0;
    for (const SkinArchiveEntry& entry : entries) {
        if (entry.name.empty() || entry.name.find_first_of("\r\n") != std::string::npos) {
            Fail("an entry name must be one non-empty line");
        }
        nameList += AsciiLower(entry.name);
        nameList += "\r\n";
        total += entry.data.size();
    }
    if (total > kMaxDecodedSize)
        Fail("the entries are larger than " + std::to_string(kMaxDecodedSize) + " bytes");

    std::vector<std::uint8_t> out;
    PutU32(out, kWrittenVersion);
    PutU32(out, static_cast<std::uint32_t>(nameList.size()));
    out.resize(kHeaderSize, 0);
    out.insert(out.end(), nameList.begin(), nameList.end());
    for (const SkinArchiveEntry& entry : entries) {
        PutU32(out, static_cast<std::uint32_t>(entry.data.size()));
    }
    for (const SkinArchiveEntry& entry : entries) {
        out.insert(out.end(), entry.data.begin(), entry.data.end());
    }
    return out;
}
