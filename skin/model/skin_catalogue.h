// Everything a loaded skin gives the painters: the elements in loading order, the colour slots,
// the section and custom colours and the skin's name, and the rules that build them from a skin
// archive and its ini description. A pure function of the skin bytes and a few system inputs, so
// the whole load runs (and is tested and fuzzed) without Windows.
#pragma once

#include "skin/model/bmp_image.h"
#include "skin/model/skin_elements.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TQuickIni;
class TSkinReader;

// The colour slots, by index.
enum TSkinColorSlot : int {
    kWindowText = 0,
    kTitleTextActive = 1,
    kTitleTextNoActive = 2,
    kButtonFace = 3,
    kButtonText = 4,
    kButtonHilight = 5,
    kButtonlight = 6,
    kButtonShadow = 7,
    kButtonDkShadow = 8,
    kHilightText = 11,
    kHilight = 12,
    kMenubar = 13,
    kMenuBarText = 14,
    kMenuText = 15,
    kMenu = 16,
    kFrameColor = 17,
    kScrollbarColor = 18,
};
inline constexpr int kColorSlots = 19;

// What a load needs besides the skin: system metrics, the program's own track bitmaps, and how
// many pixels all the skin's images of one load may have together (every section may name the
// same large image).
struct TSkinLoadInputs {
    int HScrollWidth = 17; // GetSystemMetrics(SM_CXHSCROLL)
    TPixelImage Track;     // bitmap resource "TRACK"
    TPixelImage TrackVert; // bitmap resource "TRACKVERT"
    std::int64_t PixelBudget = kMaxBmpPixels;
};

// What one load cost, counted rather than timed: the bitmaps decoded and their pixels, and the
// lines of the ini description that its look-ups compared.
struct TSkinLoadWork {
    int ImageDecodes = 0;
    std::int64_t DecodedPixels = 0;
    std::uint64_t IniLinesExamined = 0;
};

// The name of a picture's larger copy (see Display scale) for the key value naming the picture:
// "@2x" before its ".bmp"; nothing for a value that names no bitmap.
std::string LargeName(std::string_view value);
// Whether an archive entry is a larger copy: a load reads those last, and only once a display
// density asks for one, so a skin packs them after every other entry.
bool IsLargeName(std::string_view name);

// A number no other set of elements of this process has had: what is made from a set of
// elements (the painters' GDI bitmaps) compares it to know when a load has replaced them.
std::uint64_t NextElementsSerial();

// A null pointer is an element the skin does not have; every user tests for it.
struct TSkinElements {
    // New with every set of elements and every load into one, moved along with them.
    std::uint64_t Serial = NextElementsSerial();
    TDataSkinBorder BorderLeft{"Left"};
    TDataSkinBorder BorderRight{"Right"};
    TDataSkinBorder BorderTop{"Top"};
    TDataSkinBorder BorderBottom{"Bottom"};
    std::vector<TDataSkinSysButton> CaptionButtons;
    TDataSkinButton Buttons{"Buttons"};
    TDataSkinTitle Title{"Title"};
    std::unique_ptr<TDataSkinBorder> Progress;
    std::unique_ptr<TDataSkinObject> ProgressChunk;
    std::unique_ptr<TDataSkinObject> MenuBar;
    std::unique_ptr<TDataSkinObject> GroupBoxEdge;
    std::unique_ptr<TDataSkinBoxLabel> GroupBox;
    std::unique_ptr<TDataSkinBorder> Tabs;
    std::unique_ptr<TDataSkinObject> StatusBarEdges;
    std::unique_ptr<TDataSkinObject> TabPane;
    std::unique_ptr<TDataSkinObject> ToolBars;
    std::unique_ptr<TDataSkinBorder> ComboButton;
    std::unique_ptr<TDataSkinObject> SunkEdge;
    std::unique_ptr<TDataSkinObject> ExtraImages;
    std::unique_ptr<TDataSkinObject> Headerbar;
    std::unique_ptr<TDataSkinObject> MenuItem;
    std::unique_ptr<TDataSkinObject> MenuBackground;
    std::unique_ptr<TDataSkinObject> Scrollbar;
    std::unique_ptr<TDataSkinObject> HorzScroll;
    std::unique_ptr<TDataSkinObject> VertScroll;
    std::unique_ptr<TDataSkinObject> HorzScrollThumb;
    std::unique_ptr<TDataSkinObject> VertScrollThumb;
    std::unique_ptr<TDataSkinObject> TrackbarThumbHorz;
    std::unique_ptr<TDataSkinObject> TrackbarThumbVert;
    std::unique_ptr<TDataSkinObject> TrackbarThumbLeft;
    std::unique_ptr<TDataSkinObject> TrackbarThumbRight;
    std::unique_ptr<TDataSkinObject> TrackbarThumbUp;
    std::unique_ptr<TDataSkinObject> TrackbarThumbDown;
    std::unique_ptr<TDataSkinBorder> UpDownHorz;
    std::unique_ptr<TDataSkinBorder> UpDownVert;
    std::unique_ptr<TDataSkinObject> Track;
    std::unique_ptr<TDataSkinObject> TrackVert;
    std::unique_ptr<TDataSkinObject> ComboArrow;
    std::unique_ptr<TDataSkinObject> ToolbarBackground;

    std::array<TColor, kColorSlots> Colors{};
    std::array<bool, kColorSlots> ColorGiven{};
    std::vector<TColor> SectionColors;
    std::array<TColor, 10> CustomColors{};
    std::string SkinName;
};

// Fills `e` from the ini description and the images of `archive`, in loading order: colours,
// window borders, caption buttons, every other element, check and radio frame counts, then the
// derived elements and the frame colour. Missing sections, keys and images are never errors.
// The pictures' larger copies stay in the archive, which `e` keeps until the first is asked for.
TSkinLoadWork LoadSkinElements(TSkinElements& e, std::shared_ptr<const TSkinReader> archive,
                               const TQuickIni& ini, const TSkinLoadInputs& inputs);

// The same for a whole skin archive: its description is the first entry whose name contains
// ".ini" (none gives an empty description).
TSkinLoadWork LoadSkinElements(TSkinElements& e, std::shared_ptr<const TSkinReader> archive,
                               const TSkinLoadInputs& inputs);

// A system colour as the skin gives it: one its Colours section has a slot for (clBtnFace is
// ButtonFace, clBtnShadow ButtonShadow, clHighlight Hilight, ...) takes the slot's colour, which
// is the system's only where the skin leaves the slot out; any other colour stays as it is. So
// what the engine paints in the system's colours looks the same on every colour scheme.
TColor SkinColourFor(const TSkinElements& e, TColor colour);

// A colour value: up to three decimal numbers (red, green, blue) separated by anything that is
// not a digit; a last number counts only after exactly two others; each taken modulo 256.
TColor ParseColourValue(std::string_view text);

// Every element of `e` with its field name, in catalogue order (absent ones skipped): what
// contact sheets and tests walk.
struct TNamedElement {
    std::string Field;
    const TDataSkinObject* Element;
};
std::vector<TNamedElement> ListSkinElements(const TSkinElements& e);
