#include "collector/clipboard.h"

#include <commctrl.h>

#include <cstring>
#include <cwchar>

#include "collector/application_window.h"
#include "ui/win_handles.h"

namespace collector {

namespace {

// A movable, shareable block holding the text and a terminating zero.
ui::OwnedGlobal TextBlock(std::wstring_view text) {
    const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
    ui::OwnedGlobal block(GlobalAlloc(GMEM_MOVEABLE | GMEM_SHARE, bytes));
    if (!block) throw std::bad_alloc();
    const ui::GlobalLockScope lock(block.get());
    if (!lock.data()) throw std::bad_alloc();
    auto* out = static_cast<wchar_t*>(lock.data());
    std::memcpy(out, text.data(), text.size() * sizeof(wchar_t));
    out[text.size()] = L'\0';
    return block;
}

// Puts the text on the (already open) clipboard as CF_UNICODETEXT.
bool SetText(std::wstring_view text) {
    ui::OwnedGlobal block = TextBlock(text);
    if (!SetClipboardData(CF_UNICODETEXT, block.get())) return false;
    block.release();
    return true;
}

// Formats by which a program asks clipboard monitors and histories to leave its data alone
// (password managers use them for secrets).
struct ExclusionFormats {
    UINT exclude = RegisterClipboardFormatW(L"ExcludeClipboardContentFromMonitorProcessing");
    UINT ignore = RegisterClipboardFormatW(L"Clipboard Viewer Ignore");
    UINT history = RegisterClipboardFormatW(L"CanIncludeInClipboardHistory");
};

} // namespace

std::wstring BlockText(HANDLE block) {
    if (!block) return {};
    const SIZE_T units = GlobalSize(block) / sizeof(wchar_t);
    const ui::GlobalLockScope lock(block);
    if (!lock.data()) return {};
    const auto* text = static_cast<const wchar_t*>(lock.data());
    return std::wstring(text, wcsnlen(text, units));
}

ClipboardError::ClipboardError() : std::runtime_error("无法打开剪贴板") {}

Clipboard& Clipboard::Instance() {
    static Clipboard clipboard;
    return clipboard;
}

void Clipboard::Open() {
    if (open_count_ == 0 && !OpenClipboard(ApplicationWindow())) throw ClipboardError();
    ++open_count_;
}

void Clipboard::Close() {
    if (open_count_ == 0) return;
    if (--open_count_ == 0) CloseClipboard();
}

void Clipboard::Empty() {
    ClipboardOpen open(*this);
    EmptyClipboard();
}

bool Clipboard::HasFormat(UINT format) const {
    return IsClipboardFormatAvailable(format) != 0;
}

std::wstring Clipboard::ReadText() {
    ClipboardOpen open(*this);
    return BlockText(GetClipboardData(CF_UNICODETEXT));
}

void Clipboard::WriteText(std::wstring_view text) {
    ClipboardOpen open(*this);
    ui::OwnedGlobal block = TextBlock(text);
    EmptyClipboard();
    if (!SetClipboardData(CF_UNICODETEXT, block.get())) {
        throw std::runtime_error("SetClipboardData failed");
    }
    block.release();
}

void Clipboard::WriteTextOnRequest(std::wstring text) {
    WatchOwnerMessages(ApplicationWindow());
    ClipboardOpen open(*this);
    EmptyClipboard(); // tells us (WM_DESTROYCLIPBOARD) to drop an earlier text not yet taken
    pending_ = std::move(text);
    waiting_ = true;
    SetClipboardData(CF_UNICODETEXT, nullptr);
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT)) {
        // No delayed rendering to be had: hand the text over at once.
        waiting_ = false;
        const bool placed = SetText(pending_);
        pending_.clear();
        if (!placed) throw std::runtime_error("SetClipboardData failed");
    }
}

void Clipboard::WatchOwnerMessages(HWND opener) {
    if (!opener || subclassed_ == opener) return;
    if (subclassed_) RemoveWindowSubclass(subclassed_, OwnerProc, 0);
    subclassed_ = SetWindowSubclass(opener, OwnerProc, 0, reinterpret_cast<DWORD_PTR>(this))
                      ? opener
                      : nullptr;
}

void Clipboard::Render() {
    if (!waiting_) return;
    waiting_ = false;
    std::wstring text = std::move(pending_);
    pending_.clear();
    SetText(text);
}

// The system asks the clipboard's owner, our opener, for the text we owe and tells it when the
// contents are thrown away; the opener's own window procedure need know nothing of this.
LRESULT CALLBACK Clipboard::OwnerProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                      DWORD_PTR self_ptr) {
    auto* self = reinterpret_cast<Clipboard*>(self_ptr);
    try {
        switch (msg) {
        case WM_RENDERFORMAT:
            if (wp == CF_UNICODETEXT && self->waiting_) {
                self->Render();
                return 0;
            }
            break;
        case WM_RENDERALLFORMATS:
            // The opener is going away while the text is still owed: place it for good.
            if (self->waiting_ && OpenClipboard(wnd)) {
                if (GetClipboardOwner() == wnd) self->Render();
                CloseClipboard();
            }
            self->waiting_ = false;
            return 0;
        case WM_DESTROYCLIPBOARD:
            self->waiting_ = false;
            self->pending_.clear();
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(wnd, OwnerProc, 0);
            self->subclassed_ = nullptr;
            break;
        default:
            break;
        }
    } catch (...) {
        // Out of memory for the text: the paste gets nothing, the program goes on.
        self->waiting_ = false;
    }
    return DefSubclassProc(wnd, msg, wp, lp);
}

bool Clipboard::IsOwnWrite() {
    const HWND opener = ApplicationWindow();
    return opener && GetClipboardOwner() == opener;
}

bool Clipboard::IsExcluded() {
    static const ExclusionFormats formats;
    if (HasFormat(formats.exclude) || HasFormat(formats.ignore)) return true;
    if (!HasFormat(formats.history)) return false;
    try {
        ClipboardOpen open(*this);
        const HANDLE block = GetClipboardData(formats.history);
        if (!block || GlobalSize(block) < sizeof(DWORD)) return false;
        const ui::GlobalLockScope lock(block);
        if (!lock.data()) return false;
        DWORD allowed = 0;
        std::memcpy(&allowed, lock.data(), sizeof(allowed));
        return allowed == 0;
    } catch (const ClipboardError&) {
        return false;
    }
}

std::wstring Clipboard::CapturedText() {
    try {
        return ReadText();
    } catch (...) {
        return {};
    }
}

} // namespace collector
