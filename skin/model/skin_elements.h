// The skin elements: one object per piece of the user interface, each holding its image strip of
// equal state frames, the four margins that are not stretched, and its element-specific numbers
// and colours. Built from a skin by LoadSkinElements; painters only read them.
#pragma once

#include "skin/model/large_picture.h"
#include "skin/pictures/colors.h"
#include "skin/pictures/pixel_image.h"

#include <cstdint>
#include <string>

// System colours as the skin stores them: the class library's encoding.
using ui::cl3DDkShadow;
using ui::clBtnFace;
using ui::clBtnHighlight;
using ui::clBtnShadow;
using ui::clBtnText;
using ui::clCaptionText;
using ui::clHighlight;
using ui::clHighlightText;
using ui::clInactiveCaptionText;
using ui::clMenu;
using ui::clMenuText;
using ui::clScrollBar;
using ui::clWhite;
using ui::clWindowText;

// A title text colour the skin does not give.
inline constexpr TColor kNoTitleColour = ui::clNone;

class TDataSkinObject {
public:
    explicit TDataSkinObject(std::string name) : Name(std::move(name)) {}
    virtual ~TDataSkinObject() = default;
    TDataSkinObject(const TDataSkinObject&) = default;
    TDataSkinObject& operator=(const TDataSkinObject&) = default;
    TDataSkinObject(TDataSkinObject&&) = default;
    TDataSkinObject& operator=(TDataSkinObject&&) = default;

    std::int32_t LeftWidth = 0;
    std::int32_t TopHeight = 0;
    std::int32_t RightWidth = 0;
    std::int32_t BottomHeight = 0;
    TPixelImage Image; // every state frame, frame 1 first
    // Image drawn twice as large, for denser displays (NAME@2x.bmp beside NAME.bmp): the same
    // frames, its cells and margins twice Image's. Empty when the skin has none, when it is not
    // exactly twice Image's size, and for pictures the loader makes itself.
    TLargePicture Image2x;
    // Both 0 or 1 as the loader leaves them, one meaning for every painter: Trans 1 leaves the key
    // colour out (and, for the window borders, cuts it out of the window region); Tile 1 tiles
    // the middle of a fitted frame, 0 stretches it.
    std::int32_t Trans = 0;
    std::int32_t Tile = 0;
    std::string Name;
    // One frame until the skin says otherwise, so no painter ever divides by zero.
    std::int32_t Frame = 1;
    std::int32_t Style = 0;
    std::int32_t NormalColour = -1;
    std::int32_t MouseOverColour = -1;
    std::int32_t PressedColour = -1;
    TColor NormalColour2 = clBtnText;
    TColor MouseOverColour2 = clBtnText;
    TColor PressedColour2 = clBtnText;
};

// An element with a second image: the tab border, the up-down glyphs, the mirrored combo button.
class TDataSkinBorder : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    TPixelImage Image2;
};

class TDataSkinButton : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    TPixelImage CheckImage;
    TPixelImage RadioImage;
    TLargePicture CheckImage2x; // as Image2x, for CheckImage
    TLargePicture RadioImage2x; // as Image2x, for RadioImage
    std::int32_t RadioFrames = 0;
    std::int32_t CheckFrames = 0;
    bool HasNormalColour2 = false;
    bool HasMouseOverColour2 = false;
    bool HasPressedColour2 = false;
};

// The caption text: its margins hold TextShift, TextShiftVert, TextRightClip and 0; Image is the
// text background (active and inactive frames stacked).
class TDataSkinTitle : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    std::int32_t TextAlignment = 0;
    std::int32_t TextBackground = 0;
    std::int32_t FontHeight = 14;
    std::int32_t TextBackLeft = 0;
    std::int32_t TextBackRight = 0;
    TColor ActiveTextColour = kNoTitleColour;
    TColor InactiveTextColour = kNoTitleColour;
};

class TDataSkinSysButton : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    std::int32_t Action = 0;
    std::int32_t Align = 0;
    std::int32_t Xcoord = 0;
    std::int32_t Ycoord = 0;
    std::int32_t CombineOp = 0;
    std::int32_t Visibility = 0;
    std::int32_t Visibility1 = 0;
};

class TDataSkinBoxLabel : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    std::int32_t BackgroundLeftShift = 0;
    std::int32_t BackgroundRightShift = 0;
    std::int32_t BackgroundAlignment = 0;
};
