// The rules of the notification-area icon that need no window: the tooltip text, which icon is
// shown, what a shell mouse notification turns into, and the shell's notification record.
#pragma once
#include "ui/shift_state.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tray {

// The tray icon's mouse events carry the class library's shift states.
using ui::ssAlt;
using ui::ssCtrl;
using ui::ssDouble;
using ui::ssLeft;
using ui::ssMiddle;
using ui::ssRight;
using ui::ssShift;
using ui::TShiftState;

// The message the shell sends to our hidden window for mouse activity over the icon.
inline constexpr std::uint32_t kTrayCallbackMessage = 0xB054;
// The shell keeps at most this many tooltip bytes (the record's 64 less the terminating zero).
inline constexpr std::size_t kTipBytes = 63;

// The tooltip part of a hint: everything before its first "|" (the rest is a long hint for
// other uses). The bar is looked for among characters, never among encoded bytes: in GBK a
// double-byte character may well carry 0x7C as its second byte.
std::wstring_view ShortHint(std::wstring_view hint);

// Encodes a piece of text (one character) in the ANSI code page.
using AnsiEncoder = std::function<std::string(std::wstring_view)>;

// The ANSI bytes of `text`, cut to at most `limit` bytes at a character boundary: a character
// that does not fit whole is left out, so the tip never ends in half a double-byte character.
std::string FitTip(std::wstring_view text, const AnsiEncoder& encode,
                   std::size_t limit = kTipBytes);

// Which icon shows: the frame of the animation list clamped to its range while animating over
// a list that is not empty, otherwise the single icon (kSingleIcon).
inline constexpr int kSingleIcon = -1;
int CurrentIconIndex(int icon_count, bool animated, int frame);

// The frame after `frame` in a list of `count` icons, back to the first after the last.
int NextFrame(int frame, int count);

// Whether a refresh that finds the icon not shown adds it.
bool WantShown(bool designing, bool show_design, bool active);

enum class TrayButton { Left, Right, Middle };
enum class TrayEventKind { DblClick, Click, MouseDown, MouseMove, MouseUp };

struct TrayEvent {
    TrayEventKind kind;
    TrayButton button; // Left for the events that carry no button
    TShiftState shift;
    friend bool operator==(const TrayEvent&, const TrayEvent&) = default;
};

// Buttons pressed over the icon whose release is still to come.
enum ClickedBits : unsigned { kClickedLeft = 1, kClickedRight = 2 };

struct CallbackOutcome {
    std::vector<TrayEvent> events; // to fire, in this order
    unsigned clicked;              // the clicked set afterwards
};

// What one callback notification does: `mouse_message` is the lParam the shell sent (a
// WM_* mouse message number), `shift` the keyboard part of the shift state.
CallbackOutcome TrayCallback(std::uint32_t mouse_message, unsigned clicked, TShiftState shift);

// The shell's notification record in its first layout (NOTIFYICONDATAA as every shell
// version accepts it), with handles as wide as the program's: 88 bytes in a 32-bit program,
// 104 in a 64-bit one (the handles then sit on 8-byte boundaries). cbSize is the record's own
// size, which tells the shell which layout it got.
template <class Handle> struct BasicNotifyIconRecord {
    std::uint32_t cbSize;
    Handle hWnd;
    std::uint32_t uID;
    std::uint32_t uFlags;
    std::uint32_t uCallbackMessage;
    Handle hIcon;
    char szTip[64];
};
using NotifyIconRecord32 = BasicNotifyIconRecord<std::uint32_t>;
using NotifyIconRecord64 = BasicNotifyIconRecord<std::uint64_t>;
static_assert(sizeof(NotifyIconRecord32) == 88);
static_assert(sizeof(NotifyIconRecord64) == 104);

// The layout of this build.
using NotifyIconRecord = BasicNotifyIconRecord<std::uintptr_t>;

// "No icon": a handle with every bit set (0xFFFFFFFF in the 32-bit layout).
template <class Handle> inline constexpr Handle kNoIconHandle = static_cast<Handle>(~Handle{0});
inline constexpr std::uintptr_t kNoIcon = kNoIconHandle<std::uintptr_t>;
inline constexpr std::uint32_t kNotifyFlags = 7; // message, icon and tip are valid

// The record for our window, the icon handle (kNoIconHandle when there is none) and the tip
// bytes (cut to 63 when longer; always zero-terminated).
template <class Handle>
BasicNotifyIconRecord<Handle> MakeNotifyRecord(Handle window, Handle icon, std::string_view tip);

} // namespace tray
