// Skin ini parser.
#include "quick_ini.h"

#include "skin_text.h"

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
    lines_.clear();
    parsed_.clear();
    sections_.clear();
    text = text.substr(0, text.find('\0'));
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = std::min(text.find_first_of("\r\n", at), text.size());
        const std::string_view line = TrimBlanks(text.substr(at, end - at));
        at = end;
        if (at < text.size() && text[at] == '\r') ++at;
        if (at < text.size() && text[at] == '\n') ++at;
        if (line.empty() || line.front() == ';') continue;

        KeyLine parsed;
        if (IsHeader(line)) {
            parsed.header = true;
            sections_.push_back({AsciiLower(line), static_cast<int>(lines_.size())});
        } else {
            const std::size_t eq = line.find('=');
            if (eq != std::string_view::npos) {
                parsed.key = AsciiLower(TrimBlanks(line.substr(0, eq)));
                parsed.value = TrimBlanks(line.substr(eq + 1));
            }
        }
        lines_.emplace_back(line);
        parsed_.push_back(std::move(parsed));
    }
}

int TQuickIni::SectionLine(std::string_view section) const {
    std::string header = "[";
    header += AsciiLower(section);
    header += ']';
    for (const Section& s : sections_) {
        if (s.header == header) return s.line;
    }
    return -1;
}

std::string TQuickIni::ReadString(std::string_view section, std::string_view key,
                                  std::string_view def) const {
    const int first = SectionLine(section);
    if (first < 0) return std::string(def);
    const std::string wanted = AsciiLower(key);
    for (std::size_t i = static_cast<std::size_t>(first) + 1; i < parsed_.size(); ++i) {
        const KeyLine& line = parsed_[i];
        if (line.header) break;
        if (line.key == wanted) return line.value.empty() ? std::string(def) : line.value;
    }
    return std::string(def);
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
    for (const Section& s : sections_) {
        const std::string_view header = lines_[static_cast<std::size_t>(s.line)];
        names.emplace_back(TrimBlanks(header.substr(1, header.size() - 2)));
    }
    return names;
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
