// Graphics objects over GDI, each owning its handles: fonts, pens, brushes, canvases,
// DIB-section bitmaps with scan lines, icons, regions and image lists.
#pragma once
#include "ui/constants.h"
#include "ui/persistent.h"
#include "ui/win_handles.h"

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace ui {

// The GDI value of a colour: system colours resolved, nothing but the RGB bytes.
COLORREF ColorRef(TColor color);

enum TFontStyle : std::uint32_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

class TFont : public TPersistent {
public:
    TFont();
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    std::wstring Name() const { return name_; }
    void SetName(const std::wstring& v);
    int Height() const { return height_; }
    void SetHeight(int v);
    // The points the font was given in; for a font given in pixels, its height's points at 96
    // pixels per inch.
    int Size() const;
    // The height for `points` at 96 pixels per inch; the font keeps its points, so it takes
    // their pixels at whatever density it is scaled to.
    void SetSize(int points);
    // The height at `dpi` of a font whose height is at `fromDpi` (ui/layout_scale.h).
    void ScaleTo(int dpi, int fromDpi);
    TColor Color() const { return color_; }
    void SetColor(TColor v);
    std::uint32_t Style() const { return style_; }
    void SetStyle(std::uint32_t v);
    int Charset() const { return charset_; }
    void SetCharset(int v);
    void Assign(const TFont& other);

    HFONT Handle() const;
    // Adopts a font made elsewhere (the caption font of the system's metrics).
    void SetHandleFromLogFont(const LOGFONTW& lf);
    std::function<void()> OnChange;

private:
    void Changed();
    void SetHeightFor(int height, std::optional<int> points);
    std::wstring name_ = L"Tahoma";
    int height_ = -11;
    std::optional<int> points_; // set while the height is that of a size given in points
    TColor color_ = clWindowText;
    std::uint32_t style_ = 0;
    int charset_ = DEFAULT_CHARSET;
    mutable GdiHandle<HFONT> handle_;
};

class TPen {
public:
    TColor Color() const { return color_; }
    void SetColor(TColor c);
    int Width() const { return width_; }
    void SetWidth(int w);
    HPEN Handle() const;
    std::function<void()> OnChange;

private:
    TColor color_ = 0;
    int width_ = 1;
    mutable GdiHandle<HPEN> handle_;
};

class TBrush {
public:
    TColor Color() const { return color_; }
    void SetColor(TColor c);
    // A clear brush paints nothing (text is drawn transparently).
    bool Clear() const { return clear_; }
    void SetClear(bool clear);
    HBRUSH Handle() const;
    std::function<void()> OnChange;

private:
    TColor color_ = 0xFFFFFF;
    bool clear_ = false;
    mutable GdiHandle<HBRUSH> handle_;
};

class TBitmap;

// Drawing on a device context. The canvas selects its font, pen and brush into the DC and
// puts the DC's own objects back when it lets go of it.
class TCanvas {
public:
    TCanvas() = default;
    explicit TCanvas(HDC dc) { SetHandle(dc); }
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;
    ~TCanvas() { SetHandle(nullptr); }

    HDC Handle() const { return dc_; }
    void SetHandle(HDC dc);
    TFont Font;
    TPen Pen;
    TBrush Brush;

    void FillRect(const RECT& r);
    void FrameRect(const RECT& r);
    void Rectangle(int l, int t, int r, int b);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void TextOut(int x, int y, const std::wstring& text);
    int DrawText(const std::wstring& text, RECT& r, UINT format);
    SIZE TextExtent(const std::wstring& text);
    int TextWidth(const std::wstring& text) { return TextExtent(text).cx; }
    int TextHeight(const std::wstring& text) { return TextExtent(text).cy; }
    void Draw(int x, int y, const TBitmap& bitmap);
    void StretchDraw(const RECT& r, const TBitmap& bitmap);
    COLORREF Pixel(int x, int y) const { return GetPixel(dc_, x, y); }
    void SetPixel(int x, int y, TColor c) { ::SetPixel(dc_, x, y, ColorRef(c)); }

private:
    void Select();
    HDC dc_ = nullptr;
    HGDIOBJ old_font_ = nullptr;
    HGDIOBJ old_pen_ = nullptr;
    HGDIOBJ old_brush_ = nullptr;
};

enum class TPixelFormat { pf24bit, pf32bit };

// A DIB section, rows top-down, with its own memory DC for the canvas.
class TBitmap : public TPersistent {
public:
    TBitmap();
    ~TBitmap() override;
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    int Width() const { return width_; }
    int Height() const { return height_; }
    TPixelFormat PixelFormat() const { return format_; }
    void SetPixelFormat(TPixelFormat f);
    void SetSize(int width, int height);
    bool Empty() const { return !bitmap_; }
    // Row y from the top: 3 bytes (B, G, R) or 4 bytes (B, G, R, A) per pixel.
    std::uint8_t* ScanLine(int y);
    int Stride() const;
    HBITMAP Handle() const { return bitmap_.get(); }
    TCanvas& Canvas();
    // The bitmap, a strip of `cells` pictures drawn at `fromDpi` on the colour of its bottom-left
    // pixel, redrawn at `dpi` (ScaleKeyedPicture): each cell ScaleMeasure times its size, that
    // colour kept exact. Its pixel format stays.
    void ScaleForDpi(int cells, int dpi, int fromDpi);

    // A BMP file's bytes; throws EInvalidGraphic for a malformed one.
    void LoadFromBytes(std::span<const std::uint8_t> data);
    void LoadFromResource(HINSTANCE instance, const wchar_t* name);
    bool ReadBinary(std::wstring_view name, std::span<const std::uint8_t> data) override;

private:
    void Rebuild();
    int width_ = 0;
    int height_ = 0;
    TPixelFormat format_ = TPixelFormat::pf24bit;
    GdiHandle<HBITMAP> bitmap_;
    std::uint8_t* bits_ = nullptr;
    OwnedDC dc_;
    HGDIOBJ old_bitmap_ = nullptr;
    std::unique_ptr<TCanvas> canvas_;
};

class TIcon : public TPersistent {
public:
    TIcon() = default;
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    // The bytes of an .ico file; the image nearest to the wanted size is made the handle.
    // Throws EInvalidGraphic for a malformed buffer.
    void LoadFromBytes(std::span<const std::uint8_t> data, int width = 0, int height = 0);
    // Another icon made from the same bytes at another size (the small caption icon).
    OwnedIcon HandleForSize(int width, int height) const;
    HICON Handle() const { return icon_.get(); }
    bool Empty() const { return !icon_; }
    std::span<const std::uint8_t> Data() const { return data_; }
    bool ReadBinary(std::wstring_view name, std::span<const std::uint8_t> data) override;
    std::function<void()> OnChange;

private:
    std::vector<std::uint8_t> data_;
    OwnedIcon icon_;
};

class TRegion {
public:
    TRegion() = default;
    explicit TRegion(HRGN r) : rgn_(r) {}
    static TRegion Rect(int l, int t, int r, int b) { return TRegion(CreateRectRgn(l, t, r, b)); }
    HRGN Handle() const { return rgn_.get(); }
    // Hands the region to a window (SetWindowRgn owns it from then on).
    HRGN Release() { return rgn_.release(); }
    void Combine(const TRegion& other, int mode) {
        CombineRgn(rgn_.get(), rgn_.get(), other.Handle(), mode);
    }

private:
    GdiHandle<HRGN> rgn_;
};

class TImageList {
public:
    TImageList(int width, int height);
    ~TImageList();
    TImageList(const TImageList&) = delete;
    TImageList& operator=(const TImageList&) = delete;
    int Width() const { return width_; }
    int Height() const { return height_; }
    int Count() const { return ImageList_GetImageCount(list_); }
    // Adds the bitmap cut into images of the list's width; `mask` colour is transparent.
    int AddMasked(const TBitmap& bitmap, TColor mask);
    void Draw(HDC dc, int x, int y, int index) const;
    HIMAGELIST Handle() const { return list_; }

private:
    int width_;
    int height_;
    HIMAGELIST list_;
};

} // namespace ui
