// The skin engine's private window messages, one numbering shared by the manager, the form
// skinner and the control skinners. The numbers are fixed: other modules send them too.
#pragma once

#include <cstdint>

inline constexpr std::uint32_t SM_REPAINTFRAME = 0x3502;
inline constexpr std::uint32_t SM_SKININIT = 0x3503;
inline constexpr std::uint32_t SM_SKINACTIVE = 0x3506;
inline constexpr std::uint32_t SM_CAPTIONBUTTON = 0x3514;
inline constexpr std::uint32_t SM_BUTTONVISIBLE = 0x3515;
inline constexpr std::uint32_t SM_REDRAWCHILD = 0x3516;
inline constexpr std::uint32_t SM_RECREATED = 0x3517;
inline constexpr std::uint32_t SM_MENUBARCLICK = 0x3518;
inline constexpr std::uint32_t SM_ISSKINNED = 0x3523;
// A press on a tab's close box asks the tab control's form whether the page may close: wParam is
// the tab control's window, lParam the tab's index. 0 (what a form that does not answer gives)
// closes the page.
inline constexpr std::uint32_t SM_CLOSETAB = 0x3507;
inline constexpr std::uint32_t SM_PAINTCLIENT = 0xBC4A;
inline constexpr std::uint32_t SM_PAINTBORDER = 0xBC4B;

// Asks a form to take up a changed skin (its frame, colours and controls).
inline constexpr std::uint32_t kRefreshSkinMessage = 0x3401;
// Answered with kSkinCheck when lParam carries it: "this window is a skinned form".
inline constexpr std::uint32_t kSkinCheckMessage = 0xBC4D;
// Sent to a window itself (wParam 0, lParam kSkinCheck) once skinning completed or refreshed.
inline constexpr std::uint32_t kSkinnedNotice = 0xBC4E;
// The check value the paint requests and notices carry in lParam.
inline constexpr std::intptr_t kSkinCheck = 0x41A2;
// lParam of SM_SKININIT.
inline constexpr std::intptr_t kSkinInitParam = 1000;
