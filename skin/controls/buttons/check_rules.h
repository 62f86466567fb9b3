// What a skinned check box or radio button shows: which frame of the skin's check or radio strip
// for the control's state, and where the box and the caption go. The strips come in two shapes:
// four frames (unchecked, checked, unchecked disabled, checked disabled, the last also showing a
// check box's third state) and a long one (12 frames for check boxes, 8 for radio buttons) with
// every state a frame of its own.
#pragma once

#include "skin/pictures/pixel_image.h"

#include "ui/scale_measure.h"

#include <optional>
#include <string_view>

// Frames in the four-frame numbering.
inline constexpr int kCheckUnchecked = 1;
inline constexpr int kCheckChecked = 2;
inline constexpr int kCheckGrayed = 4;

// The frame a check box's `State` identifier names: "...uncheck..." unchecked, "...check..."
// checked, "...gray..." the third state; nothing for any other identifier.
std::optional<int> FrameOfStateName(std::string_view lowerCaseIdentifier);

struct TCheckInputs {
    int Frames = 4;             // frames in the strip
    bool Checked = false;       // the window's state has BST_CHECKED
    bool Indeterminate = false; // ... BST_INDETERMINATE
    bool Disabled = false;      // WS_DISABLED
    // What the control's properties say (`State`, else `Checked`), in the four-frame numbering.
    std::optional<int> PropertyFrame;
    // Data-aware boxes: the last BM_SETCHECK's wParam + 1 (0: none seen) counts when the control
    // has a `DataField`; a control with a `DataBinding` always shows unchecked.
    int LastSetCheck = 0;
    bool DataField = false;
    bool DataBinding = false;
};

// The check box's frame, from 1.
int CheckBoxFrame(const TCheckInputs& in);

// The radio button's frame, from 1: checked from its `Checked` property when it has one, else
// from the window's check state.
int RadioButtonFrame(int frames, bool checked, bool disabled);

struct TCheckPlacement {
    TPixelRect Box;
    TPixelRect Text;        // the room for the caption, full height
    bool TextRight = false; // the caption is right-aligned
};

// Box and caption in a width x height control: the box (frameWidth x frameHeight) vertically
// centred at the left edge and the caption 2 pixels right of it, or with the text on the left
// (BS_LEFTTEXT) the box at the right edge (a radio button's one pixel in) and the caption ending
// 2 pixels before it, right-aligned for right-to-left controls. The gap and the radio button's
// inset are measures at the density `dpi`; the frame is the strip's cell at that density.
TCheckPlacement PlaceCheck(int width, int height, int frameWidth, int frameHeight, bool leftText,
                           bool rightToLeft, bool radio, int dpi = kBaseDpi);
