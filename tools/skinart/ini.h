// Just enough of the skin ini for review pictures: case-insensitive section and key look-up.
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace skinart {

class IniLookup {
public:
    explicit IniLookup(std::string_view text);
    std::string text(std::string_view section, std::string_view key) const;
    int number(std::string_view section, std::string_view key, int fallback) const;

private:
    std::map<std::string, std::map<std::string, std::string>> sections_;
};

} // namespace skinart
