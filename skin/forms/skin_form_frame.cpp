// The form skinner's frame painter: the frame edges, the title with its caption, the window
// region cut from the frame pictures, the caption icon.
//
// For now the frame is filled with one colour of the skin (its highlight while active, its
// button shadow while not) and the window keeps its rectangle; the skin's pictures take their
// place here.
#include "skin_form.h"

#include "skin_data.h"

void TWinSkinForm::PaintFrame(HDC dc) {
    if (skinState_ != TFormSkinState::Active && skinState_ != TFormSkinState::Refreshing) return;
    if (frameKind_ == TFrameKind::Captionless || MaximisedMdiChild()) return;
    HDC target = dc ? dc : GetWindowDC(window_);
    if (!target) return;
    RECT outer{};
    GetWindowRect(window_, &outer);
    const int w = outer.right - outer.left, h = outer.bottom - outer.top;
    const TSkinElements& skin = skin_->Elements();
    if (HBRUSH frame = CreateSolidBrush(
            static_cast<COLORREF>(ColorToRGB(skin.Colors[active_ ? kHilight : kButtonShadow])))) {
        const RECT edges[] = {{0, 0, frame_.left, h},
                              {w - frame_.right, 0, w, h},
                              {frame_.left, h - frame_.bottom, w - frame_.right, h},
                              {frame_.left, 0, w - frame_.right, frame_.title}};
        for (const RECT& r : edges)
            FillRect(target, &r, frame);
        DeleteObject(frame);
    }
    if (menuBarHeight_ > 0) {
        const RECT bar{frame_.left, frame_.title, w - frame_.right, frame_.title + menuBarHeight_};
        FillRect(target, &bar, skin_->FaceBrush());
    }
    if (!dc) ReleaseDC(window_, target);
}

void TWinSkinForm::BuildRegion() {}

void TWinSkinForm::BuildIconBitmap() {}
