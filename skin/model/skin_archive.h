// Skin archive: named files (the ini description and its images) in one block, stored
// LZH-compressed. TSkinReader opens it and hands out entries by name; PackSkinArchive writes one.
//
// Decompressed layout, integers 32-bit little-endian: version code, name-list length L, 8 bytes
// not used, a block whose size depends on the version, the name list (CR LF separated lines),
// one size per name, then the entries' bytes in the list's order.
//
// A reader decompresses only as far as the entries asked for reach: a skin that packs what
// every load needs first (the ini, the pictures) and what only some displays need last (the
// larger copies) costs a load at the base density none of the rest.
#pragma once

#include "skin/model/lzh.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class TSkinReader {
public:
    // The format's limit on the number of entries.
    static constexpr std::size_t kMaxEntries = 1001;

    // Opens `compressed` (an LZH container; the reader keeps a copy) and reads its directory,
    // decompressing no further than the directory's end. Raises EOlderSkinFile for an unknown
    // version code and ESkinArchiveError / ElzhException for damaged data; the reader then
    // keeps the archive it had.
    void Open(std::span<const std::uint8_t> compressed);

    // Reads the directory of an archive that is already decompressed.
    void OpenDecoded(std::vector<std::uint8_t> archive);

    // The bytes of the entry whose name equals `name` after lower-casing; empty when none does.
    std::vector<std::uint8_t> Extract(std::string_view name) const;

    // The first entry whose name equals `name` after lower-casing, nullopt when none does (a
    // look-up in a sorted index: a skin's ini may ask for images many thousand times); and an
    // entry's bytes where the archive holds them.
    std::optional<std::size_t> IndexOf(std::string_view name) const;
    std::span<const std::uint8_t> EntryBytes(std::size_t index) const;

    // The bytes of the first entry whose name contains `text` as given (names are lower case, so
    // upper-case text finds nothing); its name goes to `foundName` (cleared when none matches).
    std::vector<std::uint8_t> ExtractFirstContaining(std::string_view text,
                                                     std::string& foundName) const;

    std::uint32_t Version() const { return version_; }
    // Entry names, lower-cased, in archive order.
    const std::vector<std::string>& Names() const { return names_; }
    std::uint32_t EntrySize(std::size_t index) const { return sizes_.at(index); }
    std::vector<std::uint8_t> ExtractAt(std::size_t index) const;
    // How many bytes of the archive are decompressed so far, for tests and benchmarks.
    std::size_t Decompressed() const { return stream_ ? stream_->Progress() : archive_.size(); }

private:
    void ReadDirectory();
    // The decompressed size, and its first `end` bytes (decompressed as far as needed; bytes
    // once handed out stay where they are while the reader lasts).
    std::size_t DecodedSize() const;
    std::span<const std::uint8_t> Prefix(std::size_t end) const;

    std::uint32_t version_ = 0;
    std::vector<std::string> names_;
    std::vector<std::size_t> byName_; // entry indexes sorted by name, then archive order
    std::vector<std::uint32_t> sizes_;
    std::vector<std::uint64_t> offsets_; // start of each entry within the contents
    std::vector<std::uint8_t> archive_;  // an archive given decompressed
    mutable std::unique_ptr<TLzhStream> stream_; // or one decompressed as entries are read
    std::size_t contents_ = 0;           // where the contents block starts in archive_
};

// The block size K that follows the header for a known version code; -1 for any other code.
int SkinArchiveBlockSize(std::uint32_t version);

struct SkinArchiveEntry {
    std::string name;
    std::vector<std::uint8_t> data;
};

// A version-20000 archive of `entries`, not compressed; names are lower-cased. Raises
// ESkinArchiveError for names with line breaks, more than kMaxEntries entries, or sizes that do
// not fit the format.
std::vector<std::uint8_t> PackSkinArchive(std::span<const SkinArchiveEntry> entries);
