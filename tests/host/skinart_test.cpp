// The artwork generator: bitmap and icon files have valid headers, and the default skin it
// draws is complete for its skin.ini: every section the skin engine reads is there, every
// picture named is written with its copy twice the size, and each picture divides evenly into
// its state frames; each copy shows its picture's design.
#include "skin/model/bmp_image.h"
#include "skin/model/quick_ini.h"
#include "skin/model/skin_catalogue.h"
#include "tools/skinart/art.h"
#include "tools/skinart/bmp.h"
#include "tools/skinart/ico.h"
#include "tools/skinart/palette.h"
#include "ui/le_bytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using skinart::Image;
using skinart::Rgba;

using ui::GetU16;
using ui::GetU32;

TEST(SkinartBmp, HeaderSizesAndRowPaddingForEveryWidthModulo4) {
    for (int width : {1, 2, 3, 4, 5}) {
        SCOPED_TRACE(width);
        const auto bytes = skinart::encode_bmp(Image(width, 3, Rgba{1, 2, 3, 255}));
        const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
        ASSERT_EQ(bytes.size(), 54 + 3 * stride);
        EXPECT_EQ(bytes[0], 'B');
        EXPECT_EQ(bytes[1], 'M');
        EXPECT_EQ(GetU32(bytes, 2), bytes.size());
        EXPECT_EQ(GetU32(bytes, 10), 54u); // pixel data offset
        EXPECT_EQ(GetU32(bytes, 14), 40u); // info header size
        EXPECT_EQ(GetU32(bytes, 18), static_cast<std::uint32_t>(width));
        EXPECT_EQ(GetU32(bytes, 22), 3u); // positive height: bottom-up rows
        EXPECT_EQ(GetU16(bytes, 26), 1u);
        EXPECT_EQ(GetU16(bytes, 28), 24u);
        EXPECT_EQ(GetU32(bytes, 30), 0u); // uncompressed
        EXPECT_EQ(GetU32(bytes, 34), 3 * stride);
        for (std::size_t row = 0; row < 3; ++row)
            for (std::size_t pad = static_cast<std::size_t>(width) * 3; pad < stride; ++pad)
                EXPECT_EQ(bytes[54 + row * stride + pad], 0) << "row " << row;
    }
}

TEST(SkinartBmp, BottomRowFirstInBgrOrderAndTransparentPixelsBecomeMagenta) {
    Image img(2, 2, Rgba{10, 20, 30, 255});
    img.set(0, 1, Rgba{200, 100, 50, 255}); // bottom-left
    img.set(1, 1, Rgba{9, 9, 9, 100});      // mostly transparent
    const auto bytes = skinart::encode_bmp(img);
    const std::vector<std::uint8_t> bottom(bytes.begin() + 54, bytes.begin() + 60);
    EXPECT_EQ(bottom, (std::vector<std::uint8_t>{50, 100, 200, 255, 0, 255}));
    const std::vector<std::uint8_t> top(bytes.begin() + 62, bytes.begin() + 68);
    EXPECT_EQ(top, (std::vector<std::uint8_t>{30, 20, 10, 30, 20, 10}));

    const auto back = DecodeBmp(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->At(0, 1), 0xC86432u); // red 200, green 100, blue 50
    std::vector<std::uint8_t> truncated(bytes.begin(), bytes.end() - 1);
    EXPECT_FALSE(DecodeBmp(truncated));
}

TEST(SkinartIco, DirectoryHoldsTheEightSizesWith32BitImagesAlphaAndMask) {
    std::vector<Image> images;
    for (int size : skinart::kIconSizes)
        images.push_back(skinart::icon_image(size));
    const auto bytes = skinart::encode_ico(images);
    ASSERT_GE(bytes.size(), 6u + 8 * 16);
    EXPECT_EQ(GetU16(bytes, 0), 0u);
    EXPECT_EQ(GetU16(bytes, 2), 1u); // icon
    ASSERT_EQ(GetU16(bytes, 4), 8u);
    std::size_t expected_offset = 6 + 8 * 16;
    const int sizes[] = {128, 96, 72, 64, 48, 32, 24, 16};
    for (std::size_t i = 0; i < 8; ++i) {
        SCOPED_TRACE(sizes[i]);
        const std::size_t e = 6 + 16 * i;
        const auto side = static_cast<std::uint32_t>(sizes[i]);
        EXPECT_EQ(bytes[e], side);
        EXPECT_EQ(bytes[e + 1], side);
        EXPECT_EQ(GetU16(bytes, e + 4), 1u);  // planes
        EXPECT_EQ(GetU16(bytes, e + 6), 32u); // bits per pixel
        const std::uint32_t size = GetU32(bytes, e + 8), offset = GetU32(bytes, e + 12);
        const std::uint32_t mask_row = (side + 31) / 32 * 4;
        EXPECT_EQ(size, 40 + side * side * 4 + mask_row * side);
        ASSERT_EQ(offset, expected_offset);
        ASSERT_LE(offset + size, bytes.size());
        expected_offset += size;

        EXPECT_EQ(GetU32(bytes, offset), 40u);
        EXPECT_EQ(GetU32(bytes, offset + 4), side);
        EXPECT_EQ(GetU32(bytes, offset + 8), 2 * side); // colour and mask rows
        EXPECT_EQ(GetU16(bytes, offset + 14), 32u);

        // The icon has soft, see-through corners: the top-left pixel (last colour row)
        // is transparent in alpha and in the AND mask, the centre is opaque.
        const std::size_t colour = offset + 40, mask = colour + side * side * 4;
        const std::size_t top_left = colour + (side - 1) * side * 4;
        EXPECT_EQ(bytes[top_left + 3], 0);
        EXPECT_TRUE(bytes[mask + (side - 1) * mask_row] & 0x80);
        const std::size_t centre = colour + (side / 2 * side + side / 2) * 4;
        EXPECT_EQ(bytes[centre + 3], 255);
    }
    EXPECT_EQ(expected_offset, bytes.size());
}

std::string lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string trim(const std::string& s) {
    const auto b = s.find_first_not_of(" \t");
    return b == std::string::npos ? "" : s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

TQuickIni read_ini(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    TQuickIni ini;
    ini.LoadFromStream(text.str());
    return ini;
}

// Every section and key of the ini once, lower-cased, with the value the skin engine reads.
struct Entry {
    std::string section, key, value;
};

std::vector<Entry> entries_of(const TQuickIni& ini) {
    std::vector<Entry> out;
    std::set<std::pair<std::string, std::string>> seen;
    std::string section;
    for (const std::string& line : ini.Lines()) {
        if (line.front() == '[') {
            section = lower(trim(line.substr(1, line.find(']') - 1)));
            continue;
        }
        const auto eq = line.find('=');
        if (eq == std::string::npos) continue;
        std::string key = lower(trim(line.substr(0, eq)));
        if (seen.insert({section, key}).second)
            out.push_back({section, key, ini.ReadString(section, key, "")});
    }
    return out;
}

int number(const TQuickIni& ini, const std::string& section, const std::string& key, int fallback) {
    return ini.ReadInteger(section, key, fallback);
}

struct Expected {
    int frames;
    bool stacked;
};

// How many state frames the skin engine cuts each named picture into.
Expected frames_of(const TQuickIni& ini, const std::string& section, const std::string& key) {
    static const std::map<std::string, int> fixed = {{"groupboxedge", 2},
                                                     {"groupbox", 1},
                                                     {"tabs", 5},
                                                     {"statusbaredges", 3},
                                                     {"tab.pane", 1},
                                                     {"toolbars", 5},
                                                     {"combobutton", 4},
                                                     {"sunkedge", 4},
                                                     {"extraimages", 5},
                                                     {"menuitem", 5},
                                                     {"menubackground", 1},
                                                     {"scrollbar", 23},
                                                     {"horzscroll", 4},
                                                     {"vertscroll", 4},
                                                     {"mdicontrols", 12},
                                                     {"trackbar.thumbhorz", 5},
                                                     {"trackbar.thumbvert", 5},
                                                     {"trackbar.thumbleft", 5},
                                                     {"trackbar.thumbright", 5},
                                                     {"trackbar.thumbup", 5},
                                                     {"trackbar.thumbdown", 5},
                                                     {"updown.horz", 8},
                                                     {"updown.vert", 8}};
    if (section == "personality") {
        if (key == "textback" || key == "menubar") return {2, true};
        return {number(ini, section, key + "frame", 1), key == "top" || key == "bottom"};
    }
    if (section == "buttons") {
        if (key == "checkbutton") return {number(ini, section, "checkbuttonframe", 0), false};
        if (key == "radiobutton") return {number(ini, section, "radiobuttonframe", 0), false};
        return {5, false};
    }
    if (section.rfind("button", 0) == 0) return {number(ini, section, "frame", 0), false};
    if (section == "tabs" && key == "border") return {1, false};
    if (section == "progress") return {number(ini, section, "style", 0) != 0 ? 1 : 2, false};
    if (section == "headerbar")
        return {number(ini, section, "frame", 0) == 0 ? 5 : number(ini, section, "frame", 0),
                false};
    if (section == "horzscrollthumb" || section == "vertscrollthumb")
        return {number(ini, section, "framecount", 3), false};
    if (section == "progress.chunk" || section == "track" || section == "trackvert")
        return {number(ini, section, "frame", 0), false};
    const auto f = fixed.find(section);
    return {f == fixed.end() ? 0 : f->second, false};
}

TEST(SkinartDefaultSkin, EveryElementExistsAndEveryPictureIsWrittenWholeFrames) {
    const std::filesystem::path out =
        std::filesystem::temp_directory_path() / ("skinart_test_" + std::to_string(::getpid()));
    std::filesystem::remove_all(out);
    ASSERT_EQ(std::system((std::string(SKINART_EXE) + " skin " + out.string()).c_str()), 0);
    const TQuickIni ini = read_ini(PELLICO_SKIN_INI);

    for (const char* section : {"personality",
                                "fonts",
                                "colours",
                                "buttons",
                                "button.close",
                                "button.maximize",
                                "button.minimize",
                                "button.restore",
                                "button.help",
                                "button.sysmenu",
                                "mdicontrols",
                                "scrollbar",
                                "horzscroll",
                                "vertscroll",
                                "horzscrollthumb",
                                "vertscrollthumb",
                                "combobutton",
                                "sunkedge",
                                "extraimages",
                                "tabs",
                                "tab.pane",
                                "headerbar",
                                "menuitem",
                                "menubackground",
                                "progress",
                                "progress.chunk",
                                "trackbar.thumbhorz",
                                "trackbar.thumbvert",
                                "trackbar.thumbleft",
                                "trackbar.thumbright",
                                "trackbar.thumbup",
                                "trackbar.thumbdown",
                                "track",
                                "trackvert",
                                "updown.horz",
                                "updown.vert",
                                "statusbaredges",
                                "toolbars",
                                "groupbox",
                                "groupboxedge",
                                "titlebarskin",
                                "customcolors"})
        EXPECT_GE(ini.SectionLine(section), 0) << "missing [" << section << "]";
    for (const char* key :
         {"windowtext", "titletextactive", "titletextnoactive", "buttonface", "buttontext",
          "buttonhilight", "buttonlight", "buttonshadow", "buttondkshadow", "hilighttext",
          "hilight", "menubar", "menubartext", "menutext", "menu", "scrollbar"})
        EXPECT_NE(ini.ReadString("colours", key, ""), "") << "missing colour " << key;

    const std::set<std::string> image_keys = {
        "image", "bitmap", "checkbutton", "radiobutton", "textback", "menubar",   "left",
        "right", "top",    "bottom",      "buttonimage", "border",   "glyphimage"};
    std::set<std::string> named;
    for (const auto& [section, key, value] : entries_of(ini)) {
        if (!image_keys.count(key) || (section == "colours" && key == "menubar")) continue;
        SCOPED_TRACE("[" + section + "] " + key + "=" + value);
        // The engine loads only names ending in ".bmp" exactly; the archive lower-cases.
        ASSERT_TRUE(value.size() > 4 && value.ends_with(".bmp"));
        EXPECT_EQ(value, lower(value));
        named.insert(value);
        const Expected e = frames_of(ini, section, key);
        ASSERT_GT(e.frames, 0) << "section not read by the skin engine";
        std::ifstream file(out / value, std::ios::binary);
        ASSERT_TRUE(file) << "not written by skinart";
        std::vector<std::uint8_t> header(26);
        file.read(reinterpret_cast<char*>(header.data()), 26);
        const std::uint32_t length = e.stacked ? GetU32(header, 22) : GetU32(header, 18);
        EXPECT_EQ(length % static_cast<std::uint32_t>(e.frames), 0u)
            << length << " pixels into " << e.frames << " frames";
        // Its copy for denser displays: exactly twice the size, so the same frames.
        const std::string large = LargeName(value);
        named.insert(large);
        std::ifstream copy(out / large, std::ios::binary);
        ASSERT_TRUE(copy) << large << " not written by skinart";
        std::vector<std::uint8_t> copy_header(26);
        copy.read(reinterpret_cast<char*>(copy_header.data()), 26);
        EXPECT_EQ(GetU32(copy_header, 18), 2 * GetU32(header, 18)) << large;
        EXPECT_EQ(GetU32(copy_header, 22), 2 * GetU32(header, 22)) << large;
    }
    for (const auto& item : std::filesystem::directory_iterator(out))
        EXPECT_TRUE(named.count(item.path().filename().string()))
            << item.path().filename() << " is drawn but no section names it or its picture";
    std::filesystem::remove_all(out);
}

// The luminance of a colour, as the eye weighs red, green and blue.
double Luminance(int r, int g, int b) {
    return 0.299 * r + 0.587 * g + 0.114 * b;
}

// The mean luminance of the glyph (the pixels the skin does not key out) in cell `cell` (from 0)
// of a strip of `cells` cells side by side.
double GlyphLuminance(const Image& strip, int cells, int cell) {
    const int w = strip.width() / cells;
    double sum = 0;
    int count = 0;
    for (int y = 0; y < strip.height(); ++y)
        for (int x = cell * w; x < (cell + 1) * w; ++x) {
            const Rgba p = strip.at(x, y);
            if (p.a < 128) continue;
            sum += Luminance(p.r, p.g, p.b);
            ++count;
        }
    return count ? sum / count : -1;
}

// Cell 4 of a caption button is what a disabled button shows (minimise and maximise on the main
// window) and what every button shows on an inactive title: it must read as dimmed next to the
// enabled white glyph, not as a second white one, and still be seen on either title; at both
// scales.
TEST(SkinartDefaultSkin, DisabledCaptionButtonsLookDimmedAndStayVisible) {
    namespace pal = skinart::pal;
    const auto mid = [](skinart::Rgb a, skinart::Rgb b) {
        return Luminance((a.r + b.r) / 2, (a.g + b.g) / 2, (a.b + b.b) / 2);
    };
    const double active = mid(pal::title_top, pal::title_bottom);
    const double inactive = mid(pal::title_top_inactive, pal::title_bottom_inactive);
    constexpr double kSeen = 24; // luminance steps between a glyph and its title
    int strips = 0;
    for (int scale : {1, 2})
        for (const skinart::Picture& p : skinart::frame_pictures(scale)) {
            if (p.file != "close.bmp" && p.file != "maximize.bmp" && p.file != "minimize.bmp" &&
                p.file != "restore.bmp" && p.file != "help.bmp")
                continue;
            SCOPED_TRACE(scale);
            ++strips;
            const double normal = GlyphLuminance(p.image, 4, 0);
            const double disabled = GlyphLuminance(p.image, 4, 3);
            ASSERT_GE(disabled, 0) << p.file << ": cell 4 has no glyph";
            EXPECT_LT(std::abs(disabled - active), std::abs(disabled - normal))
                << p.file << ": the disabled glyph looks like the enabled one";
            EXPECT_GE(std::abs(disabled - active), kSeen) << p.file << " on the active title";
            EXPECT_GE(std::abs(disabled - inactive), kSeen) << p.file << " on the inactive title";
        }
    EXPECT_EQ(strips, 10);
}

// Mean colour and key share of one square tile of a picture (at 1x a tile of `side` pixels).
struct Tile {
    double r = 0, g = 0, b = 0; // of the pixels that are not key
    double key = 0;             // share of key pixels
    int opaque = 0;
};

Tile TileOf(const Image& img, int x0, int y0, int side) {
    Tile t;
    for (int y = y0; y < y0 + side; ++y)
        for (int x = x0; x < x0 + side; ++x) {
            const skinart::Rgb p = img.keyed(x, y);
            if (p == skinart::kMagenta) {
                t.key += 1;
                continue;
            }
            t.r += p.r;
            t.g += p.g;
            t.b += p.b;
            ++t.opaque;
        }
    if (t.opaque > 0) {
        t.r /= t.opaque;
        t.g /= t.opaque;
        t.b /= t.opaque;
    }
    t.key /= side * side;
    return t;
}

// Each picture's copy is the same design twice the size: exactly twice as wide and high (so its
// strip cuts into the same frames), with the same colours in the same places and about as much
// key. Compared by tiles of 4 x 4 pixels of the picture (8 x 8 of the copy): the mean colour of
// their drawn pixels where both are mostly drawn, and their share of key pixels (an edge that
// covers a pixel a little keeps it at 1x and may leave a pixel of the copy key). For the window
// borders, whose key cuts the window region, the copy is key exactly where the picture's pixel
// doubled is, so the region at twice the scale is the same shape. Catches a piece drawn at the
// wrong place, size or colour in the copy, or a frame missing or out of order.
TEST(SkinartDefaultSkin, EachCopyTwiceTheSizeShowsItsPictureSameDesignSameKey) {
    const std::vector<skinart::Picture> small = skinart::skin_pictures(1);
    const std::vector<skinart::Picture> large = skinart::skin_pictures(2);
    ASSERT_EQ(small.size(), large.size());
    const std::set<std::string> region = {"left.bmp", "right.bmp", "top.bmp", "bottom.bmp"};
    constexpr int kSide = 4;
    constexpr double kColour = 40, kMeanColour = 6, kTileKey = 0.5, kKey = 0.05;
    for (std::size_t i = 0; i < small.size(); ++i) {
        const Image& a = small[i].image;
        const Image& b = large[i].image;
        SCOPED_TRACE(small[i].file);
        ASSERT_EQ(large[i].file, small[i].file);
        ASSERT_EQ(b.width(), 2 * a.width());
        ASSERT_EQ(b.height(), 2 * a.height());
        if (region.contains(small[i].file)) {
            int mismatched = 0;
            for (int y = 0; y < b.height(); ++y)
                for (int x = 0; x < b.width(); ++x)
                    mismatched += (b.keyed(x, y) == skinart::kMagenta) !=
                                  (a.keyed(x / 2, y / 2) == skinart::kMagenta);
            EXPECT_EQ(mismatched, 0) << "key pixels not the picture's doubled";
        }
        double worst = 0, worst_key = 0, sum = 0, key_a = 0, key_b = 0;
        int tiles = 0, all = 0;
        for (int y = 0; y + kSide <= a.height(); y += kSide)
            for (int x = 0; x + kSide <= a.width(); x += kSide) {
                const Tile s = TileOf(a, x, y, kSide), l = TileOf(b, 2 * x, 2 * y, 2 * kSide);
                worst_key = std::max(worst_key, std::abs(s.key - l.key));
                key_a += s.key;
                key_b += l.key;
                ++all;
                if (s.key > 0.5 || l.key > 0.5) continue;
                const double d =
                    std::max({std::abs(s.r - l.r), std::abs(s.g - l.g), std::abs(s.b - l.b)});
                worst = std::max(worst, d);
                sum += d;
                ++tiles;
            }
        ASSERT_GT(all, 0);
        EXPECT_LE(worst, kColour) << "a tile's colour differs";
        EXPECT_LE(tiles ? sum / tiles : 0.0, kMeanColour) << "the colours differ overall";
        EXPECT_LE(worst_key, kTileKey) << "a tile's key share differs";
        EXPECT_LE(std::abs(key_a - key_b) / all, kKey) << "the key share differs overall";
    }
}

} // namespace
