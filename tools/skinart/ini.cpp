// Case-insensitive look-up in an ini text; the first occurrence of a section or key wins.
#include "ini.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <sstream>

namespace skinart {

namespace {

std::string trim_lower(std::string_view s, bool lower) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ')
        s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ')
        s.remove_suffix(1);
    std::string out(s);
    if (lower)
        std::transform(out.begin(), out.end(), out.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

} // namespace

IniLookup::IniLookup(std::string_view text) {
    std::istringstream in{std::string(text)};
    std::string raw, section;
    bool skip = false;
    while (std::getline(in, raw)) {
        const std::string line = trim_lower(raw, false);
        if (line.empty() || line[0] == ';') continue;
        if (line.front() == '[' && line.back() == ']') {
            section = trim_lower(std::string_view(line).substr(1, line.size() - 2), true);
            skip = sections_.count(section) != 0;
            sections_[section];
            continue;
        }
        const auto eq = line.find('=');
        if (skip || eq == std::string::npos) continue;
        sections_[section].try_emplace(trim_lower(std::string_view(line).substr(0, eq), true),
                                       trim_lower(std::string_view(line).substr(eq + 1), false));
    }
}

std::string IniLookup::text(std::string_view section, std::string_view key) const {
    const auto s = sections_.find(trim_lower(section, true));
    if (s == sections_.end()) return {};
    const auto k = s->second.find(trim_lower(key, true));
    return k == s->second.end() ? std::string{} : k->second;
}

int IniLookup::number(std::string_view section, std::string_view key, int fallback) const {
    const std::string v = text(section, key);
    int out = 0;
    const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), out);
    return ec == std::errc{} && end == v.data() + v.size() && !v.empty() ? out : fallback;
}

} // namespace skinart
