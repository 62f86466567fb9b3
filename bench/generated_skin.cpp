// The made-up skin: images of gradients framed in magenta, and an ini that names them all.
#include "bench/generated_skin.h"

#include "skin/model/bmp_image.h"
#include "ui/le_bytes.h"

#include <string>

namespace {

struct ImageSpec {
    const char* name;
    int frames, width, height; // one frame, at scale 1
    bool stacked;
};

// Frame sizes of a 96 dpi skin; the menu background makes up the rest of the size.
constexpr ImageSpec kImages[] = {
    {"left.bmp", 2, 6, 420, false},       {"right.bmp", 2, 6, 420, false},
    {"top.bmp", 2, 640, 30, true},        {"bottom.bmp", 2, 640, 6, true},
    {"textback.bmp", 2, 200, 22, true},   {"menubar.bmp", 2, 60, 20, false},
    {"buttons.bmp", 5, 75, 23, false},    {"check.bmp", 8, 13, 13, false},
    {"radio.bmp", 8, 13, 13, false},      {"close.bmp", 3, 21, 21, false},
    {"max.bmp", 3, 21, 21, false},        {"min.bmp", 3, 21, 21, false},
    {"sysmenu.bmp", 6, 21, 21, false},    {"progress.bmp", 2, 100, 16, false},
    {"chunk.bmp", 1, 10, 12, false},      {"groupedge.bmp", 2, 40, 40, false},
    {"tabs.bmp", 5, 60, 22, false},       {"tabborder.bmp", 1, 60, 60, false},
    {"statusbar.bmp", 3, 40, 22, false},  {"combobutton.bmp", 4, 17, 21, false},
    {"sunkedge.bmp", 4, 40, 21, false},   {"arrows.bmp", 5, 9, 9, false},
    {"header.bmp", 5, 60, 20, false},     {"menuitem.bmp", 5, 100, 20, false},
    {"menuback.bmp", 1, 250, 440, false}, {"scrollbar.bmp", 23, 17, 17, false},
    {"hscroll.bmp", 4, 60, 17, false},    {"vscroll.bmp", 4, 17, 60, false},
    {"thumbs.bmp", 5, 11, 21, false},     {"updown.bmp", 8, 16, 10, false},
    {"glyphs.bmp", 8, 16, 10, false},     {"mdi.bmp", 1, 144, 16, false},
};

std::vector<std::uint8_t> Image(const ImageSpec& shape, int scale, int seed) {
    const int w = scale > 0 ? shape.width : std::max(1, shape.width / 10);
    const int h = scale > 0 ? shape.height : std::max(1, shape.height / 10);
    TPixelImage image(shape.stacked ? w : w * shape.frames, shape.stacked ? h * shape.frames : h);
    for (int y = 0; y < image.Height; ++y) {
        for (int x = 0; x < image.Width; ++x) {
            const int fx = shape.stacked ? x : x % w, fy = shape.stacked ? y % h : y;
            const int frame = shape.stacked ? y / h : x / w;
            const bool corner = (fx < 2 || fx >= w - 2) && (fy < 2 || fy >= h - 2);
            const bool edge = fx == 0 || fy == 0 || fx == w - 1 || fy == h - 1;
            // Rows of one colour with a darker rim, as drawn skins mostly are.
            const int shade = edge ? 60 : 180 + (fy * 60) / h;
            image.At(x, y) =
                corner ? 0xFF00FF
                       : static_cast<TPixel>(((shade - seed) & 0xFF) << 16 |
                                             ((shade - 20 * frame) & 0xFF) << 8 | (shade & 0xFF));
        }
    }
    return EncodeBmp24(image);
}

constexpr const char* kIni = R"(; made-up skin for benchmarks and fuzz seeds
[TitlebarSkin]
SkinName=Generated
[Personality]
Left=left.bmp
LeftFrame=2
LeftTopHeight=30
LeftBotHeight=6
Right=right.bmp
RightFrame=2
RightTopHeight=30
RightBotHeight=6
Top=top.bmp
TopFrame=2
TopTopHeight=40
TopBotHeight=40
Bottom=bottom.bmp
BottomFrame=2
BottomTopHeight=6
BottomBotHeight=6
TextBack=textback.bmp
TextShift=24
TextShiftVert=2
TextRightClip=80
TextAlignment=0
TXTBackleft=8
TXTBackRight=8
ActiveTextR=255
ActiveTextG=255
ActiveTextB=255
InActiveTextR=192
InActiveTextG=192
InActiveTextB=192
menuBar=menubar.bmp
TileLeftMenu=4
TileRightMenu=4
[Fonts]
FontHeight=13
[Colours]
WindowText=0 0 0
TitleTextActive=255 255 255
TitleTextNoActive=192 192 192
ButtonFace=236 233 216
ButtonText=0 0 0
ButtonHilight=255 255 255
Buttonlight=241 239 226
ButtonShadow=172 168 153
ButtonDkShadow=113 111 100
HilightText=255 255 255
Hilight=49 106 197
MenuBarText=0 0 0
MenuText=0 0 0
Menu=255 255 255
Scrollbar=212 208 200
[Colour.Panel]
color=236,233,216
[Customcolors]
Color0=10 20 30
[Buttons]
Bitmap=buttons.bmp
CheckButton=check.bmp
RadioButton=radio.bmp
LeftWidth=4
TopHeight=4
RightWidth=4
BottomHeight=4
Trans=1
NormalColour=0
MouseOverColour=0x0000FF
NormalColour2=0 0 0
[BUTTON.CLOSE]
Action=0
Align=1
Xcoord=26
Ycoord=5
ButtonImage=close.bmp
[BUTTON.MAX]
Action=1
Visibility=2
Align=1
Xcoord=48
Ycoord=5
ButtonImage=max.bmp
[BUTTON.RESTORE]
Action=4
Align=1
ButtonImage=max.bmp
[BUTTON.MIN]
Action=2
Align=1
Xcoord=70
Ycoord=5
ButtonImage=min.bmp
[BUTTON.SYSMENU]
Action=5
Align=0
Xcoord=4
Ycoord=5
ButtonImage=sysmenu.bmp
[BUTTON.HELP]
Action=-1
Visibility=0
ButtonImage=close.bmp
[MDICONTROLS]
Image=mdi.bmp
[Progress]
Bitmap=progress.bmp
LeftWidth=3
RightWidth=3
[Progress.Chunk]
Image=chunk.bmp
Frame=1
[GroupBoxEdge]
Image=groupedge.bmp
LeftWidth=6
TopHeight=6
RightWidth=6
BottomHeight=6
Trans=1
[GroupBox]
Image=groupedge.bmp
BackgroundAlignment=1
[Tabs]
Image=tabs.bmp
Border=tabborder.bmp
LeftWidth=4
TopHeight=4
RightWidth=4
BottomHeight=4
[StatusBarEdges]
Image=statusbar.bmp
LeftWidth=2
RightWidth=2
[Tab.Pane]
Image=tabborder.bmp
LeftWidth=4
TopHeight=4
RightWidth=4
BottomHeight=4
[ToolBars]
Image=header.bmp
[ComboButton]
Image=combobutton.bmp
LeftWidth=2
RightWidth=2
TopHeight=2
BottomHeight=2
[SunkEdge]
Image=sunkedge.bmp
LeftWidth=3
TopHeight=3
RightWidth=3
BottomHeight=3
Trans=1
[ExtraImages]
Image=arrows.bmp
[Headerbar]
Image=header.bmp
LeftWidth=3
RightWidth=3
[MenuItem]
Image=menuitem.bmp
LeftWidth=3
RightWidth=3
[MenuBackground]
Image=menuback.bmp
Tile=1
[Scrollbar]
Image=scrollbar.bmp
[HorzScroll]
Image=hscroll.bmp
LeftWidth=3
RightWidth=3
[VertScroll]
Image=vscroll.bmp
TopHeight=3
BottomHeight=3
[HorzScrollThumb]
Image=thumbs.bmp
FrameCount=5
LeftWidth=3
RightWidth=3
[VertScrollThumb]
Image=thumbs.bmp
FrameCount=5
TopHeight=3
BottomHeight=3
[Trackbar.ThumbHorz]
Image=thumbs.bmp
[Trackbar.ThumbVert]
Image=thumbs.bmp
[Trackbar.ThumbLeft]
Image=thumbs.bmp
[Trackbar.ThumbRight]
Image=thumbs.bmp
[Trackbar.ThumbUp]
Image=thumbs.bmp
[Trackbar.ThumbDown]
Image=thumbs.bmp
[UpDown.Horz]
Image=updown.bmp
GlyphImage=glyphs.bmp
[UpDown.Vert]
Image=updown.bmp
GlyphImage=glyphs.bmp
)";

} // namespace

std::vector<SkinArchiveEntry> GeneratedSkin(int scale) {
    std::string ini = kIni;
    // Comments bring the description to the size of a real one.
    while (scale > 0 && ini.size() < 7000)
        ini += "; padding for a description of real size\r\n";
    std::vector<SkinArchiveEntry> entries = {{"skin.ini", {ini.begin(), ini.end()}}};
    int seed = 0;
    for (const ImageSpec& shape : kImages)
        entries.push_back({shape.name, Image(shape, scale, ++seed)});
    return entries;
}

namespace {

// A one-colour bitmap of 1 bit per pixel: 2 MiB of rows that compress to almost nothing.
std::vector<std::uint8_t> BlankBitmap(int side) {
    const auto stride = static_cast<std::uint32_t>((side + 31) / 32 * 4);
    const std::uint32_t offBits = 14 + 40 + 8;
    std::vector<std::uint8_t> out = {'B', 'M'};
    ui::PutU32(out, offBits + stride * static_cast<std::uint32_t>(side));
    ui::PutU32(out, 0);
    ui::PutU32(out, offBits);
    ui::PutU32(out, 40);
    ui::PutU32(out, static_cast<std::uint32_t>(side));
    ui::PutU32(out, static_cast<std::uint32_t>(side));
    ui::PutU16(out, 1);
    ui::PutU16(out, 1);
    for (int i = 0; i < 6; ++i)
        ui::PutU32(out, 0);
    ui::PutU32(out, 0xC0C0C0); // both palette entries grey
    ui::PutU32(out, 0xC0C0C0);
    out.resize(offBits + stride * static_cast<std::size_t>(side), 0);
    return out;
}

std::vector<SkinArchiveEntry> WithIni(const std::string& ini) {
    return {{"skin.ini", {ini.begin(), ini.end()}}};
}

} // namespace

std::vector<SkinArchiveEntry> LargeImageSkin(int references) {
    std::string ini;
    for (int i = 0; i < references; ++i)
        ini += "[Button" + std::to_string(i) + "]\r\nframe=1\r\nButtonImage=large.bmp\r\n";
    std::vector<SkinArchiveEntry> entries = WithIni(ini);
    entries.push_back({"large.bmp", BlankBitmap(4096)});
    return entries;
}

std::vector<SkinArchiveEntry> ManySectionsSkin(int sections) {
    std::string ini;
    for (int i = 0; i < sections; ++i) {
        ini += "[Button" + std::to_string(i) +
               "]\r\nAction=0\r\nAlign=1\r\nXcoord=" + std::to_string(i % 100) + "\r\n";
    }
    return WithIni(ini);
}
