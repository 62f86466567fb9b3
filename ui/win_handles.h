// Windows handles with their closing calls, in one place. Owning types close what they hold
// when they go; scope guards undo a paired call (BeginPaint, GetDC, SaveDC, SelectObject,
// SetTextColor, SetBkMode, GlobalLock) when the scope ends, an exception included. A plain
// handle (HWND, HDC, HFONT ...) is a borrowed one: whoever receives it never closes it.
#pragma once
#include <windows.h>

#include <utility>

namespace ui {

// One owned handle; `Close` is a function object that frees it.
template <class H, class Close> class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(H h) : h_(h) {}
    UniqueHandle(UniqueHandle&& o) noexcept : h_(o.release()) {}
    UniqueHandle& operator=(UniqueHandle&& o) noexcept {
        reset(o.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    H get() const { return h_; }
    // Hands the handle over to whoever frees it from now on (the system, another owner).
    H release() { return std::exchange(h_, nullptr); }
    void reset(H h = nullptr) {
        if (h_) Close{}(h_);
        h_ = h;
    }
    explicit operator bool() const { return h_ != nullptr; }

private:
    H h_ = nullptr;
};

namespace handle_closers {
struct GdiObject {
    void operator()(HGDIOBJ h) const { DeleteObject(h); }
};
struct Icon {
    void operator()(HICON h) const { DestroyIcon(h); }
};
struct MemoryDC {
    void operator()(HDC h) const { DeleteDC(h); }
};
struct Global {
    void operator()(HGLOBAL h) const { GlobalFree(h); }
};
struct Kernel {
    void operator()(HANDLE h) const { CloseHandle(h); }
};
struct Window {
    void operator()(HWND h) const { DestroyWindow(h); }
};
} // namespace handle_closers

// A font, pen, brush, bitmap or region of our own.
template <class H> using GdiHandle = UniqueHandle<H, handle_closers::GdiObject>;
// An icon we made (CreateIconFromResourceEx, CopyImage), not a shared one from LoadIcon.
using OwnedIcon = UniqueHandle<HICON, handle_closers::Icon>;
// A DC from CreateCompatibleDC.
using OwnedDC = UniqueHandle<HDC, handle_closers::MemoryDC>;
// A global memory block (GlobalAlloc) until someone, the clipboard say, takes it.
using OwnedGlobal = UniqueHandle<HGLOBAL, handle_closers::Global>;
// A kernel object: thread, event, process.
using OwnedHandle = UniqueHandle<HANDLE, handle_closers::Kernel>;
// A window of our own that is not a control of the class library (a skinner's helper window).
using OwnedWindow = UniqueHandle<HWND, handle_closers::Window>;

// BeginPaint ... EndPaint.
class PaintScope {
public:
    explicit PaintScope(HWND wnd) : wnd_(wnd), dc_(BeginPaint(wnd, &ps_)) {}
    ~PaintScope() { EndPaint(wnd_, &ps_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC dc() const { return dc_; }
    const PAINTSTRUCT& info() const { return ps_; }

private:
    HWND wnd_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};

// GetDC (the client area; null: the screen) or GetWindowDC (the whole window) ... ReleaseDC.
class WindowDC {
public:
    enum Area { client, whole_window };
    explicit WindowDC(HWND wnd, Area area = client)
        : wnd_(wnd), dc_(area == client ? GetDC(wnd) : GetWindowDC(wnd)) {}
    ~WindowDC() {
        if (dc_) ReleaseDC(wnd_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC dc() const { return dc_; }

private:
    HWND wnd_;
    HDC dc_;
};

// SaveDC ... RestoreDC: clipping, origins, modes and selections as they were.
class SavedDC {
public:
    explicit SavedDC(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    ~SavedDC() {
        if (saved_) RestoreDC(dc_, saved_);
    }
    SavedDC(const SavedDC&) = delete;
    SavedDC& operator=(const SavedDC&) = delete;

private:
    HDC dc_;
    int saved_;
};

// SelectObject ... SelectObject of what was there before. Movable, so a selection made only on
// some condition can be kept in one variable; an empty one selects nothing.
class Selection {
public:
    Selection() = default;
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    ~Selection() { Undo(); }
    Selection(Selection&& o) noexcept
        : dc_(std::exchange(o.dc_, nullptr)), old_(std::exchange(o.old_, nullptr)) {}
    Selection& operator=(Selection&& o) noexcept {
        if (this != &o) {
            Undo();
            dc_ = std::exchange(o.dc_, nullptr);
            old_ = std::exchange(o.old_, nullptr);
        }
        return *this;
    }

private:
    void Undo() {
        if (dc_ && old_ && old_ != HGDI_ERROR) SelectObject(dc_, old_);
    }
    HDC dc_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

// SetTextColor and SetBkColor ... both colours as they were.
class DcColours {
public:
    DcColours(HDC dc, COLORREF text, COLORREF background)
        : dc_(dc), text_(SetTextColor(dc, text)), background_(SetBkColor(dc, background)) {}
    ~DcColours() {
        SetTextColor(dc_, text_);
        SetBkColor(dc_, background_);
    }
    DcColours(const DcColours&) = delete;
    DcColours& operator=(const DcColours&) = delete;

private:
    HDC dc_;
    COLORREF text_;
    COLORREF background_;
};

// SetBkMode ... the mode as it was (text drawn TRANSPARENT over a picture, say).
class BkModeScope {
public:
    BkModeScope(HDC dc, int mode) : dc_(dc), old_(SetBkMode(dc, mode)) {}
    ~BkModeScope() {
        if (old_) SetBkMode(dc_, old_);
    }
    BkModeScope(const BkModeScope&) = delete;
    BkModeScope& operator=(const BkModeScope&) = delete;

private:
    HDC dc_;
    int old_;
};

// GlobalLock ... GlobalUnlock; data() is null when the lock failed.
class GlobalLockScope {
public:
    explicit GlobalLockScope(HGLOBAL block) : block_(block), data_(GlobalLock(block)) {}
    ~GlobalLockScope() {
        if (data_) GlobalUnlock(block_);
    }
    GlobalLockScope(const GlobalLockScope&) = delete;
    GlobalLockScope& operator=(const GlobalLockScope&) = delete;
    void* data() const { return data_; }

private:
    HGLOBAL block_;
    void* data_;
};

} // namespace ui
