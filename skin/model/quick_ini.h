// Read-only ini parser for a skin's description: built once per skin load, then asked for
// strings and integers by section and key. Section names and keys ignore letter case; a missing
// section, key or unreadable number always gives the caller's default. Sections and keys are
// indexed when the text is loaded, so a look-up costs a few comparisons however many sections
// and lines a (hostile) description has.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class TQuickIni {
public:
    // Text past this size is ignored, as if it ended there: a skin description is a few
    // kilobytes, and this keeps a hostile one from costing more than a few tens of megabytes.
    static constexpr std::size_t kMaxTextSize = 4u << 20;

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

    // Whether the first section of that name has a line with `key`, whatever its value.
    bool HasKey(std::string_view section, std::string_view key) const;

    // ReadString converted as a signed decimal, "$" hexadecimal or "0x"/"0X" hexadecimal 32-bit
    // integer; `def` when it does not convert.
    std::int32_t ReadInteger(std::string_view section, std::string_view key,
                             std::int32_t def) const;

    // The section names in file order, brackets and blanks removed.
    std::vector<std::string> ReadSections() const;

    // Every kept line, trimmed, in file order.
    std::vector<std::string> Lines() const;

    // How many lines (headers and keys) the look-ups since the last load compared with what
    // they looked for: their work, counted rather than timed.
    std::uint64_t LinesExamined() const { return linesExamined_; }

private:
    static constexpr std::uint32_t kNoSection = 0xFFFFFFFF;

    // A kept line inside text_. Key: the text before the first "=", trimmed (empty without
    // "="); value: the text after it, trimmed. Offsets are relative to the line's start.
    struct Line {
        std::uint32_t begin = 0;
        std::uint32_t length = 0;
        std::uint32_t keyLength = 0;
        std::uint32_t valueBegin = 0;
        std::uint32_t valueLength = 0;
        std::uint32_t section = kNoSection; // number of the section it is in (or heads)
        bool header = false;
    };

    std::string_view Text(const Line& line) const;
    std::string_view Key(const Line& line) const;
    std::string_view Value(const Line& line) const;
    // A header without its brackets.
    std::string_view SectionName(std::uint32_t section) const;

    void BuildIndexes();
    // The number of the first section of that name.
    std::optional<std::uint32_t> FindSection(std::string_view name) const;
    // The first line with `key` in the first section of that name.
    const Line* FindKey(std::string_view section, std::string_view key) const;

    std::string text_; // the kept lines, trimmed, one after another
    std::vector<Line> lines_;
    std::vector<std::uint32_t> sections_;       // the header lines, in file order
    std::vector<std::uint32_t> sectionsByName_; // section numbers by name, then file order
    std::vector<std::uint32_t> keyLines_;       // key lines by section, key, then file order
    mutable std::uint64_t linesExamined_ = 0;
};

// Converts text the way the skin's integer values have always been read: optional sign, then
// decimal digits or "$" and hexadecimal digits up to 32 bits ($FFFFFFFF is -1); nothing else may
// follow. nullopt when it does not convert or does not fit.
std::optional<std::int32_t> ParseSkinInteger(std::string_view text);
