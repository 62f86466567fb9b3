// Read-only ini parser for a skin's description: built once per skin load, then asked for
// strings and integers by section and key. Section names and keys ignore letter case; a missing
// section, key or unreadable number always gives the caller's default.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class TQuickIni {
public:
    // Replaces the contents with the text in `text`. Lines end at CR, LF or CR LF; a NUL ends the
    // whole text. Lines are trimmed; empty lines and lines starting with ";" are dropped.
    void LoadFromStream(std::span<const std::uint8_t> text);
    void LoadFromStream(std::string_view text);

    // Index in Lines() of the header "[section]", or -1.
    int SectionLine(std::string_view section) const;

    // The value of the first line with `key` in the first section of that name; `def` when the
    // section or key is missing or the value is empty.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view def) const;

    // ReadString converted as a signed decimal, "$" hexadecimal or "0x"/"0X" hexadecimal 32-bit
    // integer; `def` when it does not convert.
    std::int32_t ReadInteger(std::string_view section, std::string_view key,
                             std::int32_t def) const;

    // The section names in file order, brackets and blanks removed.
    std::vector<std::string> ReadSections() const;

    // Every kept line, trimmed, in file order.
    const std::vector<std::string>& Lines() const { return lines_; }

private:
    struct KeyLine {
        std::string key; // lower-cased; empty for a line without "="
        std::string value;
        bool header = false;
    };
    struct Section {
        std::string header; // "[name]" lower-cased
        int line = 0;
    };

    std::vector<std::string> lines_;
    std::vector<KeyLine> parsed_; // one per line, for look-ups
    std::vector<Section> sections_;
};

// Converts text the way the skin's integer values have always been read: optional sign, then
// decimal digits or "$" and hexadecimal digits up to 32 bits ($FFFFFFFF is -1); nothing else may
// follow. nullopt when it does not convert or does not fit.
std::optional<std::int32_t> ParseSkinInteger(std::string_view text);
