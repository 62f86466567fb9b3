// What the desktop's notification area shows, seen from another process: the shell keeps one
// tooltip window per icon, whose tool rectangle is the icon's place on the taskbar (empty
// while the icon is not shown) and whose text is the icon's tip.
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace tray_test {

struct ShownIcon {
    RECT screen_rect; // the icon's place on the screen
    std::wstring tip;
};

// The icons shown now, read from the shell's tooltips.
std::vector<ShownIcon> ShownTrayIcons();

// The shown icon with that tip, if there is one.
std::optional<ShownIcon> FindShownIcon(const std::wstring& tip);

} // namespace tray_test
