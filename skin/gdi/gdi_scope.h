// Scope guards for the paired GDI calls the skin painters make: a memory DC they own, a window's
// DC borrowed for a while, an object selected into a DC for a while, a saved DC state, text and
// background colours set for a while.
#pragma once

#include <windows.h>

#include <utility>

// A memory DC, deleted at the end.
class TMemoryDc {
public:
    TMemoryDc() = default;
    explicit TMemoryDc(HDC dc) : dc_(dc) {}
    // A new one compatible with the screen.
    static TMemoryDc Create() { return TMemoryDc(CreateCompatibleDC(nullptr)); }
    TMemoryDc(TMemoryDc&& o) noexcept : dc_(std::exchange(o.dc_, nullptr)) {}
    TMemoryDc& operator=(TMemoryDc&& o) noexcept {
        std::swap(dc_, o.dc_);
        return *this;
    }
    ~TMemoryDc() {
        if (dc_) DeleteDC(dc_);
    }
    HDC get() const { return dc_; }

private:
    HDC dc_ = nullptr;
};

// A window's DC, its client area's or the whole window's with its frame (the screen's for no
// window), given back at the end.
class TWindowDc {
public:
    TWindowDc(HWND window, bool wholeWindow)
        : window_(window), dc_(wholeWindow ? GetWindowDC(window) : GetDC(window)) {}
    TWindowDc(const TWindowDc&) = delete;
    TWindowDc& operator=(const TWindowDc&) = delete;
    ~TWindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// `object` selected into `dc` until the end, when the object it replaced goes back.
class TSelection {
public:
    TSelection() = default;
    TSelection(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    TSelection(TSelection&& o) noexcept
        : dc_(std::exchange(o.dc_, nullptr)), old_(std::exchange(o.old_, nullptr)) {}
    TSelection& operator=(TSelection&& o) noexcept {
        std::swap(dc_, o.dc_);
        std::swap(old_, o.old_);
        return *this;
    }
    ~TSelection() {
        if (dc_ && old_) SelectObject(dc_, old_);
    }

private:
    HDC dc_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

// The state of `dc` (origins, clipping, selections, colours) saved now and restored at the end.
class TSavedDc {
public:
    explicit TSavedDc(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    TSavedDc(const TSavedDc&) = delete;
    TSavedDc& operator=(const TSavedDc&) = delete;
    ~TSavedDc() {
        if (saved_) RestoreDC(dc_, saved_);
    }

private:
    HDC dc_;
    int saved_;
};

// The text and background colours of `dc` set now and put back at the end.
class TDcColours {
public:
    TDcColours(HDC dc, COLORREF text, COLORREF background)
        : dc_(dc), text_(SetTextColor(dc, text)), background_(SetBkColor(dc, background)) {}
    TDcColours(const TDcColours&) = delete;
    TDcColours& operator=(const TDcColours&) = delete;
    ~TDcColours() {
        SetTextColor(dc_, text_);
        SetBkColor(dc_, background_);
    }

private:
    HDC dc_;
    COLORREF text_;
    COLORREF background_;
};
