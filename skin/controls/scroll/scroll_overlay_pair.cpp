// Both overlays of a control's window scroll bars.
#include "skin/controls/scroll/scroll_overlay_pair.h"

void TScrollOverlayPair::Create(TSkinControl& owner, TSkinData& skin, HWND host) {
    horizontal_ =
        std::make_unique<TWScrollbar>(owner, skin, TWScrollbar::kHorizontalBar, host, false);
    vertical_ = std::make_unique<TWScrollbar>(owner, skin, TWScrollbar::kVerticalBar, host, true);
}

void TScrollOverlayPair::Free() {
    horizontal_.reset();
    vertical_.reset();
}

void TScrollOverlayPair::Place() {
    if (horizontal_) horizontal_->Place();
    if (vertical_) vertical_->Place();
}

void TScrollOverlayPair::Hide() {
    if (horizontal_) horizontal_->Hide();
    if (vertical_) vertical_->Hide();
}

void TScrollOverlayPair::Enable(bool enabled) {
    if (horizontal_) horizontal_->Enable(enabled);
    if (vertical_) vertical_->Enable(enabled);
}

void TScrollOverlayPair::InvalidateShown() {
    for (TWScrollbar* overlay : {horizontal_.get(), vertical_.get()})
        if (overlay && overlay->Shown()) overlay->Invalidate();
}

void TScrollOverlayPair::FollowHost(HWND host) {
    const auto style = static_cast<std::uint32_t>(GetWindowLongW(host, GWL_STYLE));
    const std::pair<TWScrollbar*, std::uint32_t> bars[] = {{horizontal_.get(), WS_HSCROLL},
                                                           {vertical_.get(), WS_VSCROLL}};
    for (const auto& [overlay, bit] : bars) {
        if (!overlay) continue;
        if (overlay->Shown())
            overlay->Invalidate();
        else if (style & bit)
            overlay->Place();
    }
}

void TScrollOverlayPair::ShowRequest(bool vertical, int code) {
    if (TWScrollbar* overlay = vertical ? vertical_.get() : horizontal_.get())
        overlay->SetHitPart(code);
}

RECT TScrollOverlayPair::Corner(HWND host) const {
    if (!horizontal_ || !vertical_ || !horizontal_->Shown() || !vertical_->Shown()) return {};
    const RECT& h = horizontal_->Rect();
    const RECT& v = vertical_->Rect();
    // Client coordinates to window coordinates: past the host's own border, however wide.
    RECT window{};
    GetWindowRect(host, &window);
    POINT client{0, 0};
    ClientToScreen(host, &client);
    const int dx = client.x - window.left, dy = client.y - window.top;
    return {v.left + dx, h.top + dy, v.right + dx, h.bottom + dy};
}
