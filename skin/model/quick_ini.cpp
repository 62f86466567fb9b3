// Skin ini parser.
#include "skin/model/quick_ini.h"

#include "skin/model/skin_text.h"

#include <algorithm>
#include <numeric>

namespace {

bool IsHeader(std::string_view line) {
    return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace

void TQuickIni::LoadFromStream(std::span<const std::uint8_t> text) {
    LoadFromStream(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));
}

void TQuickIni::LoadFromStream(std::string_view text) {
    text_.clear();
    lines_.clear();
    sections_.clear();
    linesExamined_ = 0;
    text = text.substr(0, std::min(text.find('\0'), kMaxTextSize));
    std::size_t at = 0;
    while (at < text.size()) {
        const std::string_view trimmed = TrimBlanks(NextLine(text, at));
        if (trimmed.empty() || trimmed.front() == ';') continue;

        Line line;
        line.begin = static_cast<std::uint32_t>(text_.size());
        line.length = static_cast<std::uint32_t>(trimmed.size());
        line.header = IsHeader(trimmed);
        const std::size_t eq = trimmed.find('=');
        if (line.header) sections_.push_back(static_cast<std::uint32_t>(lines_.size()));
        if (!sections_.empty()) line.section = static_cast<std::uint32_t>(sections_.size() - 1);
        if (!line.header && eq != std::string_view::npos) {
            line.keyLength = static_cast<std::uint32_t>(TrimBlanks(trimmed.substr(0, eq)).size());
            const std::string_view value = TrimBlanks(trimmed.substr(eq + 1));
            line.valueBegin = static_cast<std::uint32_t>(value.data() - trimmed.data());
            line.valueLength = static_cast<std::uint32_t>(value.size());
        }
        text_ += trimmed;
        lines_.push_back(line);
    }
    BuildIndexes();
}

void TQuickIni::BuildIndexes() {
    // Stable sorts: of two equal names the first in the file comes first, and wins.
    sectionsByName_.resize(sections_.size());
    std::iota(sectionsByName_.begin(), sectionsByName_.end(), std::uint32_t{0});
    std::stable_sort(sectionsByName_.begin(), sectionsByName_.end(),
                     [this](std::uint32_t a, std::uint32_t b) {
                         return CompareIgnoringAsciiCase(SectionName(a), SectionName(b)) < 0;
                     });
    keyLines_.clear();
    for (std::uint32_t i = 0; i < lines_.size(); ++i) {
        if (!lines_[i].header && lines_[i].section != kNoSection) keyLines_.push_back(i);
    }
    std::stable_sort(keyLines_.begin(), keyLines_.end(), [this](std::uint32_t a, std::uint32_t b) {
        const Line& x = lines_[a];
        const Line& y = lines_[b];
        if (x.section != y.section) return x.section < y.section;
        return CompareIgnoringAsciiCase(Key(x), Key(y)) < 0;
    });
}

std::string_view TQuickIni::Text(const Line& line) const {
    return std::string_view(text_).substr(line.begin, line.length);
}

std::string_view TQuickIni::Key(const Line& line) const {
    return Text(line).substr(0, line.keyLength);
}

std::string_view TQuickIni::Value(const Line& line) const {
    return Text(line).substr(line.valueBegin, line.valueLength);
}

std::string_view TQuickIni::SectionName(std::uint32_t section) const {
    const std::string_view header = Text(lines_[sections_[section]]);
    return header.substr(1, header.size() - 2);
}

std::optional<std::uint32_t> TQuickIni::FindSection(std::string_view name) const {
    const auto found =
        std::lower_bound(sectionsByName_.begin(), sectionsByName_.end(), name,
                         [this](std::uint32_t section, std::string_view wanted) {
                             ++linesExamined_;
                             return CompareIgnoringAsciiCase(SectionName(section), wanted) < 0;
                         });
    if (found == sectionsByName_.end()) return std::nullopt;
    ++linesExamined_;
    if (!EqualsIgnoringAsciiCase(SectionName(*found), name)) return std::nullopt;
    return *found;
}

const TQuickIni::Line* TQuickIni::FindKey(std::string_view section, std::string_view key) const {
    const std::optional<std::uint32_t> number = FindSection(section);
    if (!number) return nullptr;
    const auto found = std::lower_bound(keyLines_.begin(), keyLines_.end(), key,
                                        [this, number](std::uint32_t index, auto wanted) {
                                            ++linesExamined_;
                                            const Line& line = lines_[index];
                                            if (line.section != *number)
                                                return line.section < *number;
                                            return CompareIgnoringAsciiCase(Key(line), wanted) < 0;
                                        });
    if (found == keyLines_.end()) return nullptr;
    ++linesExamined_;
    const Line& line = lines_[*found];
    return line.section == *number && EqualsIgnoringAsciiCase(Key(line), key) ? &line : nullptr;
}

int TQuickIni::SectionLine(std::string_view section) const {
    const std::optional<std::uint32_t> number = FindSection(section);
    return number ? static_cast<int>(sections_[*number]) : -1;
}

std::string TQuickIni::ReadString(std::string_view section, std::string_view key,
                                  std::string_view def) const {
    const Line* line = FindKey(section, key);
    return std::string(!line || line->valueLength == 0 ? def : Value(*line));
}

bool TQuickIni::HasKey(std::string_view section, std::string_view key) const {
    return FindKey(section, key) != nullptr;
}

std::int32_t TQuickIni::ReadInteger(std::string_view section, std::string_view key,
                                    std::int32_t def) const {
    std::string text = ReadString(section, key, "");
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.replace(0, 2, "$");
    }
    return ParseSkinInteger(text).value_or(def);
}

std::vector<std::string> TQuickIni::ReadSections() const {
    std::vector<std::string> names;
    for (std::uint32_t index : sections_) {
        const std::string_view header = Text(lines_[index]);
        names.emplace_back(TrimBlanks(header.substr(1, header.size() - 2)));
    }
    return names;
}

std::vector<std::string> TQuickIni::Lines() const {
    std::vector<std::string> lines;
    for (const Line& line : lines_)
        lines.emplace_back(Text(line));
    return lines;
}

std::optional<std::int32_t> ParseSkinInteger(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::uint64_t value = 0;
    if (!text.empty() && text.front() == '$') {
        text.remove_prefix(1);
        if (text.empty()) return std::nullopt;
        for (char c : text) {
            const int digit = HexDigit(c);
            if (digit < 0) return std::nullopt;
            value = value * 16 + static_cast<unsigned>(digit);
            if (value > 0xFFFFFFFFu) return std::nullopt;
        }
        // Eight hex digits cover the whole 32 bits: $FFFFFFFF is -1.
        const auto bits = static_cast<std::uint32_t>(negative ? 0 - value : value);
        return static_cast<std::int32_t>(bits);
    }
    if (text.empty()) return std::nullopt;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<unsigned>(c - '0');
        if (value > 0x80000000u) return std::nullopt;
    }
    if (!negative && value > 0x7FFFFFFFu) return std::nullopt;
    return static_cast<std::int32_t>(negative ? -static_cast<std::int64_t>(value)
                                              : static_cast<std::int64_t>(value));
}
