// The form skinner at its window's display density: the size a skinned window takes on a display
// of another density, and what follows the move there.
#include "skin/forms/skin_form.h"

#include "skin/runtime/skin_data.h"

#include "ui/window_dpi.h"

bool TWinSkinForm::DpiScaledSize(int dpi, SIZE& size) const {
    if (!started_ || !frameSkinning_ || isChild_ || !skin_ || !skin_->SkinLoaded() ||
        frameKind_ == TFrameKind::Captionless || windowState_ != TWindowState::Normal)
        return false;
    RECT r{};
    GetWindowRect(window_, &r);
    const TFrameSizes frame = FrameSizesOf(skin_->Elements(), frameKind_, dpi);
    const int menuBar = menuBar_ ? ui::MetricAtDpi(SM_CYMENU, dpi) : 0;
    const TFrameSize scaled = DpiScaledWindowSize({r.right - r.left, r.bottom - r.top}, frame_,
                                                  menuBarHeight_, dpi_, frame, menuBar, dpi);
    size = {scaled.width, scaled.height};
    return true;
}

TFrameSize TWinSkinForm::SystemFrameAt(int dpi) const {
    auto style = static_cast<DWORD>(GetWindowLongW(window_, GWL_STYLE));
    if (hadSystemMenu_) style |= WS_SYSMENU;
    RECT r{0, 0, 0, 0};
    if (!ui::AdjustWindowRectAtDpi(r, style, false,
                                   static_cast<DWORD>(GetWindowLongW(window_, GWL_EXSTYLE)), dpi))
        return {};
    return {r.right - r.left, r.bottom - r.top};
}

bool TWinSkinForm::DensityChanged(ui::TMessage& m, int dpi) {
    const bool changed = dpi > 0 && dpi != dpi_;
    if (changed) {
        // The system's frame, given back at detach, is the one of the new density.
        const TFrameSize before = SystemFrameAt(dpi_), after = SystemFrameAt(dpi);
        systemExtra_ = {systemExtra_.width + after.width - before.width,
                        systemExtra_.height + after.height - before.height};
        ReadDensity(dpi);
        // The form's move to its new rectangle measures its client area in this frame.
        SizeFrame();
    }
    if (!Pass(m)) return false;
    if (!changed) return true;
    if (frameSkinning_ && started_) {
        SetWindowPos(window_, nullptr, 0, 0, 0, 0, kReframe);
        // Cut again for the corners at this density, whatever the size.
        regionSize_ = {};
        BuildRegion();
    }
    // The frame, and every skin control, which draws at its host's density.
    RedrawWindow(window_, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return true;
}
