// Builds the skin elements from a skin's ini description and archive images.
#include "skin/model/skin_catalogue.h"

#include "skin/model/quick_ini.h"
#include "skin/model/skin_archive.h"
#include "skin/model/skin_geometry.h"
#include "skin/model/skin_images.h"
#include "skin/model/skin_text.h"
#include "skin/pictures/image_ops.h"
#include "skin/pictures/pixel_draw.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <type_traits>
#include <variant>

namespace {

constexpr TPixel kKey = PixelFromColor(kKeyColor);

// The colour slots a skin's Colours section fills, with the system colour each one stands for
// when the skin leaves it out. The loading order matters: Menubar defaults to the ButtonFace just
// read.
struct TColourSlotKey {
    int index;
    const char* key;
    TColor def;
};
constexpr TColourSlotKey kSlots[] = {
    {kWindowText, "WindowText", clWindowText},
    {kButtonFace, "ButtonFace", clBtnFace},
    {kScrollbarColor, "Scrollbar", clScrollBar},
    {kHilightText, "HilightText", clHighlightText},
    {kHilight, "Hilight", clHighlight},
    {kMenubar, "Menubar", 0},
    {kMenu, "Menu", clMenu},
    {kMenuText, "MenuText", clMenuText},
    {kButtonText, "ButtonText", clBtnText},
    {kButtonHilight, "ButtonHilight", clBtnHighlight},
    {kButtonlight, "Buttonlight", clBtnHighlight},
    {kButtonShadow, "ButtonShadow", clBtnShadow},
    {kButtonDkShadow, "ButtonDkShadow", cl3DDkShadow},
    {kMenuBarText, "MenuBarText", clMenuText},
    {kTitleTextActive, "TitleTextActive", clCaptionText},
    {kTitleTextNoActive, "TitleTextNoActive", clInactiveCaptionText},
};

std::string AsciiUpper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

// A frame count read from the skin: painters divide by it, so it is at least 1.
std::int32_t AtLeastOne(std::int32_t frames) {
    return std::max(frames, std::int32_t{1});
}

} // namespace

std::string LargeName(std::string_view value) {
    constexpr std::string_view kBmp = ".bmp";
    if (!value.ends_with(kBmp)) return {};
    return std::string(value.substr(0, value.size() - kBmp.size())) + "@2x" + std::string(kBmp);
}

bool IsLargeName(std::string_view name) {
    return name.ends_with("@2x.bmp");
}

namespace {

class Loader;

// Where an element of the table lives in TSkinElements, whichever type it has.
using TElementMember = std::variant<std::unique_ptr<TDataSkinObject> TSkinElements::*,
                                    std::unique_ptr<TDataSkinBorder> TSkinElements::*,
                                    std::unique_ptr<TDataSkinBoxLabel> TSkinElements::*>;

// A frame count: what the section's key says (at least 1, `Count` when the key is missing), or
// `Count` itself where there is no key.
struct TFrameCount {
    const char* Key = nullptr;
    std::int32_t Count = 1;
};

// One element a skin may lack, in loading and listing order: the loader reads it and
// ListSkinElements names it from here.
struct TElementRow {
    const char* Field;
    TElementMember Member;
    // Its own section; none for an element that reads keys of its own (`ReadOwn`) or is made
    // from the others once the table is read (`ReadOwn` none too).
    const char* Section = nullptr;
    TFrameCount Frames;
    // The key of a two-picture element's second image.
    const char* SecondImage = nullptr;
    // The program's own picture, taken when the skin has none.
    TPixelImage TSkinLoadInputs::*BuiltIn = nullptr;
    void (Loader::*ReadOwn)() = nullptr;
    // A rule of the element's own once it is read.
    void (Loader::*Finish)() = nullptr;
};

// One load: the archive, the ini and what the elements read from the colours loaded first.
class Loader {
public:
    Loader(TSkinElements& e, std::shared_ptr<const TSkinReader> archive, const TQuickIni& ini,
           const TSkinLoadInputs& inputs)
        : e_(e), ini_(ini), inputs_(inputs), archive_(std::move(archive)),
          images_(*archive_, inputs.PixelBudget) {}

    TSkinLoadWork Run() {
        const std::uint64_t linesBefore = ini_.LinesExamined();
        LoadColours();
        for (TDataSkinBorder* border :
             {&e_.BorderLeft, &e_.BorderRight, &e_.BorderTop, &e_.BorderBottom}) {
            LoadBorder(*border);
        }
        LoadCaptionButtons();
        LoadButtons();
        LoadTitle();
        LoadElements();
        FixCheckAndRadioFrames();
        BuildComboComposite();
        BuildComboArrow();
        e_.Colors[kFrameColor] = FrameColour();
        BuildToolbarBackground();
        LoadLargePictures();
        return {images_.Decodes(), images_.DecodedPixels(), ini_.LinesExamined() - linesBefore};
    }

private:
    std::int32_t Int(std::string_view section, std::string_view key, std::int32_t def) const {
        return ini_.ReadInteger(section, key, def);
    }
    std::string Str(std::string_view section, std::string_view key) const {
        return ini_.ReadString(section, key, "");
    }
    TPixelImage Image(std::string_view section, std::string_view key) {
        return images_.Get(Str(section, key));
    }
    // `picture` from the image the key names, and its larger copy into `large` once every
    // picture of the load has been read (LoadLargePictures).
    void Picture(TPixelImage& picture, TLargePicture& large, std::string_view section,
                 std::string_view key) {
        const std::string value = Str(section, key);
        picture = images_.Get(value);
        large = {};
        if (!picture.Empty()) larges_.push_back({&picture, &large, value});
    }
    // A picture the loader replaced: its larger copy no longer fits it.
    void DropLarge(const TPixelImage& picture) {
        std::erase_if(larges_, [&](const TLargeRequest& r) { return r.Picture == &picture; });
    }
    // The larger copies, fetched last so they only take what the pictures left of the budget: a
    // skin's pictures load as they would without them. One that is not exactly twice its
    // picture's size stays out, as its cells and margins would not be its picture's doubled.
    // They are read when a density first asks for one (large_picture.h).
    void LoadLargePictures() {
        if (larges_.empty()) return;
        std::vector<TLargePictureSource::TRequest> requests;
        for (const TLargeRequest& r : larges_)
            requests.push_back({LargeName(r.Value), 2 * std::int64_t{r.Picture->Width},
                                2 * std::int64_t{r.Picture->Height}});
        auto source = std::make_shared<TLargePictureSource>(archive_, images_.BudgetLeft(),
                                                            std::move(requests));
        for (std::size_t i = 0; i < larges_.size(); ++i)
            *larges_[i].Large = TLargePicture(source, i);
        larges_.clear();
    }
    // A colour key; `given` tells whether the section has the key at all, so a key written
    // with an empty value counts as given while its colour is the default.
    TColor Colour(std::string_view section, std::string_view key, TColor def,
                  bool* given = nullptr) const {
        const std::string text = Str(section, key);
        if (given) *given = ini_.HasKey(section, key);
        return text.empty() ? def : ParseColourValue(text);
    }

    void LoadColours() {
        e_.Colors.fill(0);
        e_.ColorGiven.fill(false);
        for (const TColourSlotKey& s : kSlots) {
            const TColor def = s.index == kMenubar ? e_.Colors[kButtonFace] : s.def;
            bool given = false;
            e_.Colors[static_cast<std::size_t>(s.index)] = Colour("Colours", s.key, def, &given);
            e_.ColorGiven[static_cast<std::size_t>(s.index)] = given;
        }

        e_.SectionColors.clear();
        for (const std::string& section : ini_.ReadSections()) {
            const std::string upper = AsciiUpper(section);
            if (upper.starts_with("COLOUR") && upper != "COLOURS") {
                e_.SectionColors.push_back(Colour(section, "color", clWindowText));
            }
        }
        for (std::size_t i = 0; i < e_.CustomColors.size(); ++i) {
            e_.CustomColors[i] = Colour("Customcolors", "Color" + std::to_string(i), clWhite);
        }
        e_.SkinName = Str("TitlebarSkin", "SkinName");
    }

    void LoadBorder(TDataSkinBorder& border) {
        const std::string n = border.Name;
        border = TDataSkinBorder(n);
        DefaultTextColours(border);
        const std::int32_t first = Int("Personality", n + "TopHeight", 0);
        const std::int32_t second = Int("Personality", n + "BotHeight", 0);
        if (n == "Left" || n == "Right") {
            border.TopHeight = first;
            border.BottomHeight = second;
        } else {
            border.LeftWidth = first;
            border.RightWidth = second;
        }
        border.Frame = AtLeastOne(Int("Personality", n + "Frame", 1));
        // "Stretch" 1 (or more) stretches the middle; any other value tiles it.
        border.Tile = Flag(Int("Personality", n + "Stretch", 1) < 1);
        border.Trans = TransFlag(Int("Personality", n + "Trans", 1));
        Picture(border.Image, border.Image2x, "Personality", n);
    }

    void LoadCaptionButtons() {
        static constexpr std::string_view kNotCaptionButtons[] = {"BUTTONS", "BUTTON.RADIO",
                                                                  "BUTTON.CHECKBOX", "BUTTON"};
        std::vector<std::string> sections;
        for (const std::string& section : ini_.ReadSections()) {
            const std::string upper = AsciiUpper(section);
            if (!upper.starts_with("BUTTON") ||
                std::find(std::begin(kNotCaptionButtons), std::end(kNotCaptionButtons), upper) !=
                    std::end(kNotCaptionButtons)) {
                continue;
            }
            // A hidden button that does nothing.
            if (Int(section, "Action", 0) == -1 && Int(section, "Visibility", -1) != 0) continue;
            sections.push_back(section);
        }

        e_.CaptionButtons.clear();
        // Room for every button first: their pictures are recorded where they stay.
        e_.CaptionButtons.reserve(sections.size() + 3);
        bool recorded = false;
        std::int32_t recordedX = 0, recordedY = 0;
        for (const std::string& section : sections) {
            TDataSkinSysButton& b = e_.CaptionButtons.emplace_back(AsciiUpper(section));
            DefaultTextColours(b);
            b.Action = Int(section, "Action", 0);
            b.Align = Int(section, "Align", 0);
            b.Xcoord = Int(section, "Xcoord", 0);
            b.Ycoord = Int(section, "Ycoord", 0);
            b.Visibility = Int(section, "Visibility", 0);
            b.Visibility1 = Int(section, "Visibility1", b.Action == -1 ? -1 : 0);
            b.CombineOp = Int(section, "CombineOp", -1);
            b.Frame = Int(section, "frame", 0);
            Picture(b.Image, b.Image2x, section, "ButtonImage");
            if (b.Action == 1 && b.Visibility == 2) {
                recorded = true;
                recordedX = b.Xcoord;
                recordedY = b.Ycoord;
            } else if (b.Action == 4 && recorded) {
                b.Xcoord = recordedX;
                b.Ycoord = recordedY;
            }
            // No frame count given (a negative one is no count either): guessed from the shape.
            if (b.Frame <= 0) {
                b.Frame = 6;
                if (b.Image.Width > 0 && b.Image.Height > 0) {
                    b.Frame = static_cast<double>(b.Image.Width) / b.Image.Height <= 3.8 ? 3 : 6;
                }
                if (b.Action < 0) b.Frame = 6;
                if (b.Action == 3 || b.Action == 11) {
                    b.Image = {};
                    DropLarge(b.Image);
                }
            }
        }

        // The minimise, restore and close buttons of a maximised MDI child.
        const TPixelImage mdi = Image("MDICONTROLS", "Image");
        const int a = mdi.Width / 12;
        for (int k = 0; k < 3; ++k) {
            TDataSkinSysButton b("MDICONTROLS");
            DefaultTextColours(b);
            b.Action = 7 + k;
            b.Align = 100;
            b.Visibility = b.Visibility1 = 100;
            b.Frame = 4;
            if (mdi.Width > 0 && mdi.Height > 0) {
                b.Image = Crop(mdi, {4 * a * k, 0, 4 * a * (k + 1), mdi.Height});
                b.Xcoord = (a + 4) * (3 - k);
            }
            e_.CaptionButtons.push_back(std::move(b));
        }
    }

    void LoadButtons() {
        TDataSkinButton& b = e_.Buttons;
        b = TDataSkinButton("Buttons");
        Picture(b.Image, b.Image2x, "Buttons", "Bitmap");
        Picture(b.CheckImage, b.CheckImage2x, "Buttons", "CheckButton");
        Picture(b.RadioImage, b.RadioImage2x, "Buttons", "RadioButton");
        ReadMargins(b, "Buttons");
        b.Trans = TransFlag(Int("Buttons", "Trans", 0));
        b.Tile = TileFlag(Int("Buttons", "Tile", 0));
        ReadColours(b, "Buttons", &b.HasNormalColour2, &b.HasMouseOverColour2,
                    &b.HasPressedColour2);
        b.RadioFrames = Int("Buttons", "RadioButtonFrame", 0);
        b.CheckFrames = Int("Buttons", "CheckButtonFrame", 0);
        b.Frame = 5;
    }

    void LoadTitle() {
        TDataSkinTitle& t = e_.Title;
        t = TDataSkinTitle("Title");
        DefaultTextColours(t);
        Picture(t.Image, t.Image2x, "Personality", "TextBack");
        t.LeftWidth = Int("Personality", "TextShift", 0);
        t.TopHeight = Int("Personality", "TextShiftVert", 0);
        t.RightWidth = Int("Personality", "TextRightClip", 0);
        t.TextAlignment = Int("Personality", "TextAlignment", 0);
        t.TextBackground = Int("Personality", "Textbackground", 0);
        t.TextBackLeft = Int("Personality", "TXTBackleft", 0);
        t.TextBackRight = Int("Personality", "TXTBackRight", 0);
        t.ActiveTextColour = TitleColour("ActiveText");
        t.InactiveTextColour = TitleColour("InActiveText");
        t.FontHeight = Int("Fonts", "FontHeight", 14);
        t.Frame = 2;
    }

    // Given when any of the three channel keys is; the missing ones are 0.
    TColor TitleColour(const std::string& prefix) const {
        constexpr std::int32_t kMissing = INT32_MIN;
        const std::int32_t r = Int("Personality", prefix + "R", kMissing);
        const std::int32_t g = Int("Personality", prefix + "G", kMissing);
        const std::int32_t b = Int("Personality", prefix + "B", kMissing);
        if (r == kMissing && g == kMissing && b == kMissing) return kNoTitleColour;
        const auto channel = [](std::int32_t v) { return v == kMissing ? 0 : v; };
        return RGBColor(channel(r), channel(g), channel(b));
    }

    // Second text colours not given by the skin are its button text colour.
    void DefaultTextColours(TDataSkinObject& o) const {
        o.NormalColour2 = o.MouseOverColour2 = o.PressedColour2 = e_.Colors[kButtonText];
    }

    // Tile and Trans hold 0 or 1, one meaning for every painter, whatever number the skin gives.
    static std::int32_t Flag(bool on) { return on ? 1 : 0; }
    // Only 1 tiles: a larger value counts as 0, as does a negative one.
    static std::int32_t TileFlag(std::int32_t tile) { return Flag(tile == 1); }
    // Where the catalogue reads a larger value as 1.
    static std::int32_t TileFlagFromOne(std::int32_t tile) { return Flag(tile >= 1); }
    // Any value but 0 leaves the key colour out.
    static std::int32_t TransFlag(std::int32_t trans) { return Flag(trans != 0); }

    void ReadMargins(TDataSkinObject& o, std::string_view section) const {
        o.LeftWidth = Int(section, "LeftWidth", 0);
        o.RightWidth = Int(section, "RightWidth", 0);
        o.TopHeight = Int(section, "TopHeight", 0);
        o.BottomHeight = Int(section, "BottomHeight", 0);
    }

    void ReadColours(TDataSkinObject& o, std::string_view section, bool* has1 = nullptr,
                     bool* has2 = nullptr, bool* has3 = nullptr) const {
        o.NormalColour = Int(section, "NormalColour", -1);
        o.MouseOverColour = Int(section, "MouseOverColour", -1);
        o.PressedColour = Int(section, "PressedColour", -1);
        const TColor text = e_.Colors[kButtonText];
        o.NormalColour2 = Colour(section, "NormalColour2", text, has1);
        o.MouseOverColour2 = Colour(section, "MouseOverColour2", text, has2);
        o.PressedColour2 = Colour(section, "PressedColour2", text, has3);
    }

    // An element of its own section: present when the section names an image that loads.
    template <typename T> std::unique_ptr<T> Generic(std::string_view section) {
        if (ini_.SectionLine(section) < 0) return nullptr;
        auto o = std::make_unique<T>(std::string(section));
        Picture(o->Image, o->Image2x, section, "Image");
        if (o->Image.Pixels.empty()) return nullptr;
        o->Style = Int(section, "Style", 0);
        ReadMargins(*o, section);
        o->Trans = TransFlag(Int(section, "Trans", 0));
        o->Tile = TileFlag(Int(section, "Tile", 0));
        ReadColours(*o, section);
        return o;
    }

    // Every element of the table, in its order.
    void LoadElements();

    // An element of the table read from its own section, or made from the program's own picture.
    template <typename T> std::unique_ptr<T> FromSection(const TElementRow& row);

    std::int32_t FrameCount(const TElementRow& row) const;

public:
    // The elements that read keys of their own, and the finishing rules of a few others.
    void ReadProgress() {
        e_.Progress = nullptr;
        if (ini_.SectionLine("Progress") < 0) return;
        auto p = std::make_unique<TDataSkinBorder>("Progress");
        DefaultTextColours(*p);
        Picture(p->Image, p->Image2x, "Progress", "Bitmap");
        if (p->Image.Pixels.empty()) return;
        p->Style = Int("Progress", "Style", 0);
        ReadMargins(*p, "Progress");
        p->Trans = TransFlag(Int("Progress", "Trans", 0));
        p->Tile = TileFlagFromOne(Int("Progress", "Tile", 0));
        p->Frame = p->Style != 0 ? 1 : 2;
        e_.Progress = std::move(p);
    }

    void ReadMenuBar() {
        e_.MenuBar = nullptr;
        auto m = std::make_unique<TDataSkinObject>("MenuBar");
        Picture(m->Image, m->Image2x, "Personality", "menuBar");
        if (m->Image.Pixels.empty()) return;
        m->LeftWidth = Int("Personality", "TileLeftMenu", 1);
        m->RightWidth = Int("Personality", "TileRightMenu", 1);
        m->Tile = TileFlagFromOne(Int("Personality", "TileMenu", 1));
        DefaultTextColours(*m);
        m->Frame = 2;
        e_.MenuBar = std::move(m);
    }

    void ReadGroupBoxBackground() {
        if (!e_.GroupBox) return;
        e_.GroupBox->BackgroundAlignment = Int("GroupBox", "BackgroundAlignment", 0);
        e_.GroupBox->BackgroundLeftShift = Int("GroupBox", "BackgroundLeftShift", 0);
        e_.GroupBox->BackgroundRightShift = Int("GroupBox", "BackgroundRightShift", 0);
    }

    // The pane's margins are at most 4 pixels.
    void ClampTabPaneMargins() {
        if (!e_.TabPane) return;
        for (std::int32_t* m : {&e_.TabPane->LeftWidth, &e_.TabPane->TopHeight,
                                &e_.TabPane->RightWidth, &e_.TabPane->BottomHeight}) {
            *m = std::min(*m, std::int32_t{4});
        }
    }

    // The second image is the button mirrored.
    void MirrorComboButton() {
        if (e_.ComboButton) e_.ComboButton->Image2 = MirrorHorizontal(e_.ComboButton->Image);
    }

    // A count of 0 is no count.
    void DefaultHeaderbarFrames() {
        if (e_.Headerbar && Int("Headerbar", "Frame", 0) == 0) e_.Headerbar->Frame = 5;
    }

private:
    // No count given (or a nonsensical negative one): as many 16 (or 13) pixel cells as fit,
    // at least 4.
    static void FixFrames(std::int32_t& frames, const TPixelImage& image) {
        if (frames > 0) return;
        const int cell = image.Height >= 16 ? 16 : 13;
        frames = std::max(image.Width / cell, 4);
    }

    void FixCheckAndRadioFrames() {
        FixFrames(e_.Buttons.RadioFrames, e_.Buttons.RadioImage);
        FixFrames(e_.Buttons.CheckFrames, e_.Buttons.CheckImage);
    }

    // The combo box drawn whole: sunken edge with the button at its right, middle cut out.
    void BuildComboComposite() {
        if (!e_.SunkEdge || !e_.ComboButton) return;
        TDataSkinObject& sunk = *e_.SunkEdge;
        TDataSkinBorder& button = *e_.ComboButton;
        constexpr int kW = 50, kH = 21;
        const int n = sunk.Frame;
        const int b = inputs_.HScrollWidth + 2;
        TPixelImage strip(kW * n, kH, kKey);
        for (int i = 1; i <= n; ++i) {
            TPixelImage cell(kW, kH, kKey);
            Blit(cell, 0, 0,
                 RenderNineGrid(kW, kH, sunk.Image, MarginsOf(sunk), false, false, n, i),
                 sunk.Trans == 1, kKey);
            Blit(cell, kW - b, 0,
                 RenderNineGrid(b, kH, button.Image, MarginsOf(button), false, false, button.Frame,
                                i),
                 true, kKey);
            if (e_.ExtraImages) {
                const TDataSkinObject& arrows = *e_.ExtraImages;
                const TPixelImage glyph =
                    Crop(arrows.Image, StripCell(arrows.Image, arrows.Frame, i, false));
                Blit(cell, kW - b + (b - glyph.Width) / 2, (kH - glyph.Height) / 2, glyph, true,
                     kKey);
            }
            FillRect(cell, {2, 2, kW - 1 - b, 18}, kKey);
            Blit(strip, kW * (i - 1), 0, cell, false, kKey);
        }
        button.Style = 2;
        button.LeftWidth = 2;
        button.TopHeight = sunk.TopHeight;
        button.RightWidth = b + 2;
        button.BottomHeight = sunk.BottomHeight;
        sunk.Image = MirrorHorizontal(strip);
        button.Image = std::move(strip);
        DropLarge(sunk.Image);
        DropLarge(button.Image);
        sunk.LeftWidth = b + 2;
        sunk.RightWidth = 2;
        // The composed box is stretched whole, its cut-out middle left out by the key colour.
        sunk.Tile = button.Tile = 0;
        sunk.Trans = button.Trans = 1;
    }

    void BuildComboArrow() {
        auto arrow = std::make_unique<TDataSkinObject>("ComboxArrow");
        DefaultTextColours(*arrow);
        const TDataSkinBorder* button = e_.ComboButton.get();
        if (!e_.SunkEdge) {
            if (button) {
                arrow->Image = button->Image;
                // The face colour is a system colour unless the skin gives one: its index bytes
                // would paint the key pixels near black, so it is resolved first.
                ReplaceKeyColor(arrow->Image, ColorToRGB(e_.Colors[kButtonFace]));
                arrow->Frame = button->Frame;
            }
        } else if (button && button->Style == 2) {
            const int n = e_.SunkEdge->Frame;
            const int w = button->Image.Width / n;
            arrow->Image = TPixelImage(17 * n, 17, kKey);
            for (int i = 1; i <= n; ++i) {
                const TPixelRect from{i * w - 19, 2, i * w - 2, 19};
                // Only the part inside the strip: a narrow button leaves key colour.
                const TPixelImage piece = Crop(button->Image, from);
                Blit(arrow->Image, 17 * (i - 1) + std::max(0, -from.Left), 0, piece, false, kKey);
            }
            arrow->Frame = n;
        }
        e_.ComboArrow = std::move(arrow);
    }

    // The colour the top border shows a third of the way into its first frame.
    TColor FrameColour() const {
        const TDataSkinBorder& top = e_.BorderTop;
        if (top.Image.Pixels.empty()) return e_.Colors[kButtonFace];
        return ColorFromPixel(top.Image.At(top.Image.Width / 3, top.Image.Height / top.Frame / 3));
    }

    void BuildToolbarBackground() {
        // The saturation is measured on the slot's own bytes: a system colour (a frame colour
        // taken from an unset ButtonFace) measures as dark and takes the lightened bottom.
        const TColor frame = e_.Colors[kFrameColor];
        TColor bottom = Blend(RGBColor(128, 128, 128), frame, 150);
        if (const int s = Saturation(frame); s > 110) {
            bottom = Blend(frame, clWhite, (5625 - 25 * s) / 140 + 50);
        }
        auto o = std::make_unique<TDataSkinObject>("Toolbar");
        o->Image = TPixelImage(10, 40);
        const TPixelRect all{0, 0, 10, 40};
        GradientFill(o->Image, all, Blend(e_.Colors[kButtonFace], clWhite, 150), true, bottom, all);
        o->Frame = 1;
        DefaultTextColours(*o);
        e_.ToolbarBackground = std::move(o);
    }

    TSkinElements& e_;
    const TQuickIni& ini_;
    const TSkinLoadInputs& inputs_;
    std::shared_ptr<const TSkinReader> archive_;
    TSkinImages images_;
    // The larger copies to fetch once the pictures are read.
    struct TLargeRequest {
        const TPixelImage* Picture;
        TLargePicture* Large;
        std::string Value; // the key's value that named the picture
    };
    std::vector<TLargeRequest> larges_;
};

using L = Loader;
using E = TSkinElements;

constexpr TFrameCount kFrameKey{"Frame", 1};
constexpr TFrameCount Fixed(std::int32_t count) {
    return {nullptr, count};
}

const TElementRow kElements[] = {
    {"Progress", &E::Progress, nullptr, {}, nullptr, nullptr, &L::ReadProgress},
    {"ProgressChunk", &E::ProgressChunk, "Progress.Chunk", kFrameKey},
    {"MenuBar", &E::MenuBar, nullptr, {}, nullptr, nullptr, &L::ReadMenuBar},
    {"GroupBoxEdge", &E::GroupBoxEdge, "GroupBoxEdge", Fixed(2)},
    {"GroupBox", &E::GroupBox, "GroupBox", Fixed(1), nullptr, nullptr, nullptr,
     &L::ReadGroupBoxBackground},
    {"Tabs", &E::Tabs, "Tabs", Fixed(5), "Border"},
    {"StatusBarEdges", &E::StatusBarEdges, "StatusBarEdges", Fixed(3)},
    {"TabPane", &E::TabPane, "Tab.Pane", Fixed(1), nullptr, nullptr, nullptr,
     &L::ClampTabPaneMargins},
    {"ToolBars", &E::ToolBars, "ToolBars", Fixed(5)},
    {"ComboButton", &E::ComboButton, "ComboButton", Fixed(4), nullptr, nullptr, nullptr,
     &L::MirrorComboButton},
    {"SunkEdge", &E::SunkEdge, "SunkEdge", Fixed(4)},
    {"ExtraImages", &E::ExtraImages, "ExtraImages", Fixed(5)},
    {"Headerbar", &E::Headerbar, "Headerbar", kFrameKey, nullptr, nullptr, nullptr,
     &L::DefaultHeaderbarFrames},
    {"MenuItem", &E::MenuItem, "MenuItem", Fixed(5)},
    {"MenuBackground", &E::MenuBackground, "MenuBackground", Fixed(1)},
    {"Scrollbar", &E::Scrollbar, "Scrollbar", Fixed(23)},
    {"HorzScroll", &E::HorzScroll, "HorzScroll", Fixed(4)},
    {"VertScroll", &E::VertScroll, "VertScroll", Fixed(4)},
    {"HorzScrollThumb", &E::HorzScrollThumb, "HorzScrollThumb", {"FrameCount", 3}},
    {"VertScrollThumb", &E::VertScrollThumb, "VertScrollThumb", {"FrameCount", 3}},
    {"TrackbarThumbHorz", &E::TrackbarThumbHorz, "Trackbar.ThumbHorz", Fixed(5)},
    {"TrackbarThumbVert", &E::TrackbarThumbVert, "Trackbar.ThumbVert", Fixed(5)},
    {"TrackbarThumbLeft", &E::TrackbarThumbLeft, "Trackbar.ThumbLeft", Fixed(5)},
    {"TrackbarThumbRight", &E::TrackbarThumbRight, "Trackbar.ThumbRight", Fixed(5)},
    {"TrackbarThumbUp", &E::TrackbarThumbUp, "Trackbar.ThumbUp", Fixed(5)},
    {"TrackbarThumbDown", &E::TrackbarThumbDown, "Trackbar.ThumbDown", Fixed(5)},
    {"UpDownHorz", &E::UpDownHorz, "UpDown.Horz", Fixed(8), "GlyphImage"},
    {"UpDownVert", &E::UpDownVert, "UpDown.Vert", Fixed(8), "GlyphImage"},
    {"Track", &E::Track, "Track", kFrameKey, nullptr, &TSkinLoadInputs::Track},
    {"TrackVert", &E::TrackVert, "TRACKVERT", kFrameKey, nullptr, &TSkinLoadInputs::TrackVert},
    // Made from the others once the table is read.
    {"ComboArrow", &E::ComboArrow},
    {"ToolbarBackground", &E::ToolbarBackground},
};

void Loader::LoadElements() {
    for (const TElementRow& row : kElements) {
        if (row.ReadOwn) {
            (this->*row.ReadOwn)();
        } else if (row.Section) {
            std::visit(
                [&]<typename T>(std::unique_ptr<T> TSkinElements::*member) {
                    e_.*member = FromSection<T>(row);
                },
                row.Member);
        }
        if (row.Finish) (this->*row.Finish)();
    }
}

template <typename T> std::unique_ptr<T> Loader::FromSection(const TElementRow& row) {
    if (auto o = Generic<T>(row.Section)) {
        o->Frame = FrameCount(row);
        if constexpr (std::is_same_v<T, TDataSkinBorder>) {
            if (row.SecondImage) o->Image2 = Image(row.Section, row.SecondImage);
        }
        return o;
    }
    if (!row.BuiltIn || (inputs_.*row.BuiltIn).Pixels.empty()) return nullptr;
    auto o = std::make_unique<T>(row.Section);
    o->Image = inputs_.*row.BuiltIn;
    o->LeftWidth = o->TopHeight = o->RightWidth = o->BottomHeight = 3;
    o->Tile = 0;
    o->Frame = 1;
    DefaultTextColours(*o);
    return o;
}

std::int32_t Loader::FrameCount(const TElementRow& row) const {
    if (!row.Frames.Key) return row.Frames.Count;
    return AtLeastOne(Int(row.Section, row.Frames.Key, row.Frames.Count));
}

} // namespace

std::uint64_t NextElementsSerial() {
    static std::atomic<std::uint64_t> next{1};
    return next++;
}

TSkinLoadWork LoadSkinElements(TSkinElements& e, std::shared_ptr<const TSkinReader> archive,
                               const TQuickIni& ini, const TSkinLoadInputs& inputs) {
    e.Serial = NextElementsSerial();
    return Loader(e, std::move(archive), ini, inputs).Run();
}

TSkinLoadWork LoadSkinElements(TSkinElements& e, std::shared_ptr<const TSkinReader> archive,
                               const TSkinLoadInputs& inputs) {
    std::string iniName;
    TQuickIni ini;
    ini.LoadFromStream(archive->ExtractFirstContaining(".ini", iniName));
    return LoadSkinElements(e, std::move(archive), ini, inputs);
}

TColor SkinColourFor(const TSkinElements& e, TColor colour) {
    for (const TColourSlotKey& s : kSlots)
        if (s.def == colour && ui::IsSystemColor(colour))
            return e.Colors[static_cast<std::size_t>(s.index)];
    return colour;
}

TColor ParseColourValue(std::string_view text) {
    text = TrimBlanks(text);
    int rgb[3] = {0, 0, 0};
    int stored = 0;
    bool pending = false;
    int number = 0; // modulo 256 all along: only the low byte is kept
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            number = (number * 10 + (c - '0')) % 256;
            pending = true;
        } else if (pending) {
            if (stored < 3) rgb[stored] = number;
            ++stored;
            pending = false;
            number = 0;
        }
    }
    if (pending && stored == 2) rgb[2] = number;
    return RGBColor(rgb[0], rgb[1], rgb[2]);
}

std::vector<TNamedElement> ListSkinElements(const TSkinElements& e) {
    std::vector<TNamedElement> out;
    const auto add = [&out](std::string field, const TDataSkinObject* element) {
        if (element) out.push_back({std::move(field), element});
    };
    add("BorderLeft", &e.BorderLeft);
    add("BorderRight", &e.BorderRight);
    add("BorderTop", &e.BorderTop);
    add("BorderBottom", &e.BorderBottom);
    for (std::size_t i = 0; i < e.CaptionButtons.size(); ++i) {
        add("CaptionButtons[" + std::to_string(i) + "]", &e.CaptionButtons[i]);
    }
    add("Buttons", &e.Buttons);
    add("Title", &e.Title);
    for (const TElementRow& row : kElements)
        add(row.Field,
            std::visit([&e](auto member) -> const TDataSkinObject* { return (e.*member).get(); },
                       row.Member));
    return out;
}
