// What the tray tests share: small icons made in code and a root component that
// descriptions are read into, standing in for the main window.
#pragma once
#include "ui/component.h"

#include <cstdint>
#include <vector>

namespace tray_test {

// An .ico file with a 16x16 and a 32x32 image of 32 bits per pixel, filled with one colour
// and a border of another.
std::vector<std::uint8_t> MakeTestIco(std::uint32_t fill_rgb, std::uint32_t border_rgb = 0x202020);

class TTrayHost : public ui::TComponent {
public:
    using ui::TComponent::TComponent;
    static const ui::TClassInfo& StaticClass() {
        static const ui::TClassInfo info(L"TTrayHost", &ui::TComponent::StaticClass());
        return info;
    }
    const ui::TClassInfo& ClassType() const override { return StaticClass(); }
};

} // namespace tray_test
