// The notification-area icon's rules without a window.
#include "tray/tray_rules.h"

#include <algorithm>
#include <cstring>

namespace tray {

namespace {

// Mouse message numbers as the shell passes them in lParam.
enum : std::uint32_t {
    kMouseMove = 0x200,
    kLButtonDown = 0x201,
    kLButtonUp = 0x202,
    kLButtonDblClk = 0x203,
    kRButtonDown = 0x204,
    kRButtonUp = 0x205,
    kRButtonDblClk = 0x206,
    kMButtonDown = 0x207,
    kMButtonUp = 0x208,
    kMButtonDblClk = 0x209,
};

bool IsHighSurrogate(wchar_t c) {
    return sizeof(wchar_t) == 2 && c >= 0xD800 && c < 0xDC00;
}

// A release over the icon: a click first when the press happened there too, then the
// release itself.
void Release(CallbackOutcome& out, TrayButton button, unsigned bit, TShiftState shift) {
    if (out.clicked & bit) {
        out.clicked &= ~bit;
        out.events.push_back({TrayEventKind::Click, button, shift});
    }
    out.events.push_back({TrayEventKind::MouseUp, button, shift});
}

} // namespace

std::wstring_view ShortHint(std::wstring_view hint) {
    return hint.substr(0, hint.find(L'|'));
}

std::string FitTip(std::wstring_view text, const AnsiEncoder& encode, std::size_t limit) {
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        // A surrogate pair is one character.
        const std::size_t n = IsHighSurrogate(text[i]) && i + 1 < text.size() ? 2 : 1;
        const std::string bytes = encode(text.substr(i, n));
        if (out.size() + bytes.size() > limit) break;
        out += bytes;
        i += n;
    }
    return out;
}

int CurrentIconIndex(int icon_count, bool animated, int frame) {
    if (icon_count <= 0 || !animated) return kSingleIcon;
    return std::clamp(frame, 0, icon_count - 1);
}

int NextFrame(int frame, int count) {
    const int next = frame + 1;
    return next >= count ? 0 : next;
}

bool WantShown(bool designing, bool show_design, bool active) {
    return designing ? show_design : active;
}

CallbackOutcome TrayCallback(std::uint32_t mouse_message, unsigned clicked, TShiftState shift) {
    CallbackOutcome out{{}, clicked};
    using enum TrayButton;
    using enum TrayEventKind;
    switch (mouse_message) {
    case kMouseMove:
        out.events.push_back({MouseMove, Left, shift});
        break;
    case kLButtonDown:
        out.events.push_back({MouseDown, Left, shift | ssLeft});
        out.clicked |= kClickedLeft;
        break;
    case kLButtonUp:
        Release(out, Left, kClickedLeft, shift | ssLeft);
        break;
    case kLButtonDblClk:
        out.events.push_back({DblClick, Left, shift});
        out.events.push_back({MouseDown, Left, shift | ssDouble});
        break;
    case kRButtonDown:
        out.events.push_back({MouseDown, Right, shift | ssRight});
        out.clicked |= kClickedRight;
        break;
    case kRButtonUp:
        Release(out, Right, kClickedRight, shift | ssRight);
        break;
    case kRButtonDblClk:
        out.events.push_back({MouseDown, Right, shift | ssDouble});
        break;
    case kMButtonDown:
        out.events.push_back({MouseDown, Middle, shift | ssMiddle});
        break;
    case kMButtonUp:
        out.events.push_back({MouseUp, Middle, shift | ssMiddle});
        break;
    case kMButtonDblClk:
        out.events.push_back({MouseDown, Middle, shift | ssDouble});
        break;
    default:
        break;
    }
    return out;
}

template <class Handle>
BasicNotifyIconRecord<Handle> MakeNotifyRecord(Handle window, Handle icon, std::string_view tip) {
    BasicNotifyIconRecord<Handle> r{};
    r.cbSize = sizeof(r);
    r.hWnd = window;
    r.uID = 0;
    r.uFlags = kNotifyFlags;
    r.uCallbackMessage = kTrayCallbackMessage;
    r.hIcon = icon;
    std::memcpy(r.szTip, tip.data(), std::min(tip.size(), kTipBytes));
    return r;
}

template NotifyIconRecord32 MakeNotifyRecord(std::uint32_t, std::uint32_t, std::string_view);
template NotifyIconRecord64 MakeNotifyRecord(std::uint64_t, std::uint64_t, std::string_view);

} // namespace tray
