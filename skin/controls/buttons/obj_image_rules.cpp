// The glyph strip handed to check boxes and radio buttons of another library.
#include "skin/controls/buttons/obj_image_rules.h"

#include "skin/controls/buttons/check_rules.h"

#include "skin/pictures/pixel_draw.h"
#include "skin/pictures/strip_layout.h"

TObjImageMode ObjImageModeOf(int variant) {
    switch (variant) {
    case 1:
        return TObjImageMode::Check;
    case 2:
        return TObjImageMode::Radio;
    case 3:
        return TObjImageMode::PropertiesGlyph;
    default:
        return TObjImageMode::None;
    }
}

std::array<int, 6> ObjImageStripFrames(TObjImageMode mode, int frames) {
    // (checked, disabled) of each picture.
    static constexpr std::array<std::pair<bool, bool>, 6> kStates = {{{false, false},
                                                                      {true, false},
                                                                      {false, false},
                                                                      {true, false},
                                                                      {false, true},
                                                                      {true, true}}};
    std::array<int, 6> out{};
    for (std::size_t i = 0; i < kStates.size(); ++i) {
        const auto [checked, disabled] = kStates[i];
        if (mode == TObjImageMode::Radio) {
            out[i] = RadioButtonFrame(frames, checked, disabled);
        } else {
            TCheckInputs in;
            in.Frames = frames;
            in.Checked = checked;
            in.Disabled = disabled;
            out[i] = CheckBoxFrame(in);
        }
    }
    return out;
}

TPixelImage ObjImageStrip(const TPixelImage& strip, int frames, TObjImageMode mode) {
    frames = frames < 1 ? 1 : frames;
    const int width = strip.Width / frames;
    if (width <= 0 || strip.Height <= 0) return {};
    const std::array<int, 6> order = ObjImageStripFrames(mode, frames);
    TPixelImage out(width * static_cast<int>(order.size()), strip.Height);
    for (std::size_t i = 0; i < order.size(); ++i)
        Blit(out, width * static_cast<int>(i), 0,
             Crop(strip, StripCell(strip, frames, order[i], false)), false, 0);
    return out;
}
