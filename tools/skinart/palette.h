// The one palette of the default skin: slate-blue title, light neutral face, blue accent.
// skins/default/skin.ini repeats these values in its [Colours] section.
#pragma once

#include "tools/skinart/image.h"

namespace skinart::pal {

inline constexpr Rgb white{255, 255, 255};
inline constexpr Rgb black{0, 0, 0};

// Window frame, active and inactive.
inline constexpr Rgb title_top{96, 126, 168};
inline constexpr Rgb title_bottom{72, 100, 140};
inline constexpr Rgb frame_outline{42, 60, 88};
inline constexpr Rgb frame_inner{58, 82, 118};
inline constexpr Rgb title_top_inactive{146, 155, 170};
inline constexpr Rgb title_bottom_inactive{126, 135, 151};
inline constexpr Rgb frame_outline_inactive{92, 100, 114};
inline constexpr Rgb frame_inner_inactive{108, 117, 132};
inline constexpr Rgb title_text{255, 255, 255};
inline constexpr Rgb title_text_inactive{228, 232, 238};
// A disabled (or inactive) caption glyph: dark, sunk into the title, where an enabled one is
// white; it stays legible on the grey inactive title too.
inline constexpr Rgb caption_glyph_disabled{52, 72, 102};
inline constexpr Rgb close_hot{200, 62, 62};
inline constexpr Rgb close_pressed{160, 42, 42};

// Client surfaces and text.
inline constexpr Rgb face{238, 240, 244};
inline constexpr Rgb face_dark{226, 230, 236};
inline constexpr Rgb window{255, 255, 255};
inline constexpr Rgb text{30, 38, 50};
inline constexpr Rgb text_disabled{150, 158, 170};
inline constexpr Rgb border{160, 170, 186};       // control outlines (the ButtonShadow slot)
inline constexpr Rgb border_light{200, 206, 214}; // disabled outlines, separators
inline constexpr Rgb border_dark{105, 116, 134};  // the ButtonDkShadow slot
inline constexpr Rgb separator{218, 223, 230};
inline constexpr Rgb menu{250, 251, 253};
inline constexpr Rgb track{232, 235, 240};
inline constexpr Rgb glyph{88, 98, 114};

// Accent for hot, pressed, selected and focused parts.
inline constexpr Rgb accent{52, 112, 196};
inline constexpr Rgb accent_dark{36, 86, 160};
inline constexpr Rgb accent_hot{74, 134, 214};
inline constexpr Rgb accent_soft{186, 210, 242};
inline constexpr Rgb accent_light{226, 237, 251};

} // namespace skinart::pal
