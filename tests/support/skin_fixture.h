// Small skins built in memory for the tests: image strips of solid frames, an ini text, packed
// into a compressed archive the way skintool packs a folder.
#pragma once

#include "skin/model/bmp_image.h"
#include "skin/model/lzh.h"
#include "skin/model/skin_archive.h"
#include "skin/model/skin_catalogue.h"
#include "skin/pictures/pixel_image.h"
#include "ui/form_text_binary.h"

#include <string>
#include <vector>

namespace skin_fixture {

// A distinct colour for frame k (from 1) of strip number `strip`.
inline TColor FrameColour(int strip, int k) {
    return RGBColor(10 * strip + 1, 20 * k + 3, 7 * strip + 11 * k);
}

// `frames` frames of w x h side by side (or stacked), frame k filled with FrameColour(strip, k).
inline TPixelImage Strip(int strip, int frames, int w, int h, bool stacked = false) {
    TPixelImage image(stacked ? w : w * frames, stacked ? h * frames : h);
    for (int k = 1; k <= frames; ++k) {
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                image.At(stacked ? x : (k - 1) * w + x, stacked ? (k - 1) * h + y : y) =
                    PixelFromColor(FrameColour(strip, k));
            }
        }
    }
    return image;
}

struct Skin {
    std::string ini;
    std::vector<SkinArchiveEntry> files;

    Skin& Image(const std::string& name, const TPixelImage& image) {
        files.push_back({name, EncodeBmp24(image)});
        return *this;
    }
    // The compressed archive, ini first.
    std::vector<std::uint8_t> Pack() const {
        std::vector<SkinArchiveEntry> entries = {
            {"skin.ini", std::vector<std::uint8_t>(ini.begin(), ini.end())}};
        entries.insert(entries.end(), files.begin(), files.end());
        return LzhEncodeContainer(PackSkinArchive(entries));
    }
};

// A skin whose frame is two solid frames per side (strips 1 to 4), `left`, `title`, `right`
// and `bottom` pixels wide; `personality` adds keys to its [Personality] section and
// `sections` the rest of its ini.
inline Skin FramedSkin(const std::string& personality, const std::string& sections, int left = 5,
                       int title = 24, int right = 6, int bottom = 7) {
    Skin s;
    s.ini = "[Personality]\nLeft=left.bmp\nRight=right.bmp\nTop=top.bmp\nBottom=bottom.bmp\n"
            "LeftFrame=2\nRightFrame=2\nTopFrame=2\nBottomFrame=2\n" +
            personality + sections;
    s.Image("left.bmp", Strip(1, 2, left, 60));
    s.Image("right.bmp", Strip(2, 2, right, 60));
    s.Image("top.bmp", Strip(3, 2, 40, title, true));
    s.Image("bottom.bmp", Strip(4, 2, 40, bottom, true));
    return s;
}

// The elements of `skin`, loaded as the skin data component loads them.
inline TSkinElements Load(const Skin& skin, const TSkinLoadInputs& inputs = {}) {
    TSkinReader reader;
    reader.Open(skin.Pack());
    TSkinElements elements;
    LoadSkinElements(elements, std::make_shared<TSkinReader>(std::move(reader)), inputs);
    return elements;
}

// "SkinStream = {...}" as a form description stores a compressed skin: its length, then its
// bytes.
inline std::string StreamLine(const std::vector<std::uint8_t>& skin) {
    std::vector<std::uint8_t> property(4 + skin.size());
    for (int i = 0; i < 4; ++i)
        property[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(skin.size() >> (8 * i));
    std::copy(skin.begin(), skin.end(), property.begin() + 4);
    return "    SkinStream = " + form_text::FormatBinary(property, "      ") + "\n";
}

} // namespace skin_fixture
