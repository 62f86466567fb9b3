// GDI objects with owned handles.
#include "ui/graphics.h"

#include "ui/image_format.h"
#include "ui/keyed_scale.h"
#include "ui/layout_scale.h"
#include "ui/prop_builders.h"

#include <algorithm>
#include <cstring>

namespace ui {

namespace {
// System colours come from the system from the moment the library is in the program.
[[maybe_unused]] const bool sys_colors_installed = [] {
    SetSysColorSource([](int index) { return static_cast<std::uint32_t>(GetSysColor(index)); });
    return true;
}();
} // namespace

COLORREF ColorRef(TColor color) {
    return static_cast<COLORREF>(ColorToRGB(color)) & 0xFFFFFF;
}

// ---- TFont

TFont::TFont() = default;

const TClassInfo& TFont::StaticClass() {
    static const TClassInfo info(
        L"TFont", &TPersistent::StaticClass(),
        {
            props::String(L"Name", &TFont::Name, &TFont::SetName),
            props::Integer(L"Height", &TFont::Height, &TFont::SetHeight),
            props::Integer(L"Size", &TFont::Size, &TFont::SetSize),
            props::Integer(L"Color", &TFont::Color, &TFont::SetColor, ColorIdents()),
            props::Integer(L"Charset", &TFont::Charset, &TFont::SetCharset, CharsetIdents()),
            props::Set(L"Style", {L"fsBold", L"fsItalic", L"fsUnderline", L"fsStrikeOut"},
                       &TFont::Style, &TFont::SetStyle),
        });
    return info;
}

void TFont::Changed() {
    handle_.reset();
    if (OnChange) OnChange();
}

void TFont::SetName(const std::wstring& v) {
    if (v != name_) {
        name_ = v;
        Changed();
    }
}

void TFont::SetHeight(int v) {
    SetHeightFor(v, std::nullopt);
}

void TFont::SetHeightFor(int height, std::optional<int> points) {
    // The points first: whoever hears of the change (a control that copies its parent's font)
    // copies them with the height.
    points_ = points;
    if (height != height_) {
        height_ = height;
        Changed();
    }
}

int TFont::Size() const {
    return points_ ? *points_ : -MulDiv(height_, 72, kBaseDpi);
}
void TFont::SetSize(int points) {
    SetHeightFor(FontHeightForPoints(points, kBaseDpi), points);
}

void TFont::ScaleTo(int dpi, int fromDpi) {
    SetHeightFor(ScaleFontHeight(height_, points_, dpi, fromDpi), points_);
}

void TFont::SetColor(TColor v) {
    if (v != color_) {
        color_ = v;
        if (OnChange) OnChange();
    }
}

void TFont::SetStyle(std::uint32_t v) {
    if (v != style_) {
        style_ = v;
        Changed();
    }
}

void TFont::SetCharset(int v) {
    if (v != charset_) {
        charset_ = v;
        Changed();
    }
}

void TFont::Assign(const TFont& o) {
    name_ = o.name_;
    height_ = o.height_;
    points_ = o.points_;
    color_ = o.color_;
    style_ = o.style_;
    charset_ = o.charset_;
    Changed();
}

HFONT TFont::Handle() const {
    if (!handle_) {
        LOGFONTW lf{};
        lf.lfHeight = height_;
        lf.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = (style_ & fsItalic) ? 1 : 0;
        lf.lfUnderline = (style_ & fsUnderline) ? 1 : 0;
        lf.lfStrikeOut = (style_ & fsStrikeOut) ? 1 : 0;
        lf.lfCharSet = static_cast<BYTE>(charset_);
        lf.lfQuality = DEFAULT_QUALITY;
        lstrcpynW(lf.lfFaceName, name_.c_str(), LF_FACESIZE);
        handle_.reset(CreateFontIndirectW(&lf));
    }
    return handle_.get();
}

void TFont::SetHandleFromLogFont(const LOGFONTW& lf) {
    name_ = lf.lfFaceName;
    height_ = lf.lfHeight;
    points_.reset();
    charset_ = lf.lfCharSet;
    style_ = (lf.lfWeight >= FW_BOLD ? +fsBold : 0u) | (lf.lfItalic ? +fsItalic : 0u) |
             (lf.lfUnderline ? +fsUnderline : 0u) | (lf.lfStrikeOut ? +fsStrikeOut : 0u);
    Changed();
    handle_.reset(CreateFontIndirectW(&lf));
}

// ---- TPen, TBrush

void TPen::SetColor(TColor c) {
    color_ = c;
    handle_.reset();
    if (OnChange) OnChange();
}

void TPen::SetWidth(int w) {
    width_ = w;
    handle_.reset();
    if (OnChange) OnChange();
}

HPEN TPen::Handle() const {
    if (!handle_) handle_.reset(CreatePen(PS_SOLID, width_, ColorRef(color_)));
    return handle_.get();
}

void TBrush::SetColor(TColor c) {
    color_ = c;
    clear_ = false;
    handle_.reset();
    if (OnChange) OnChange();
}

void TBrush::SetClear(bool clear) {
    clear_ = clear;
    handle_.reset();
    if (OnChange) OnChange();
}

HBRUSH TBrush::Handle() const {
    if (clear_) return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    if (!handle_) handle_.reset(CreateSolidBrush(ColorRef(color_)));
    return handle_.get();
}

// ---- TCanvas

void TCanvas::SetHandle(HDC dc) {
    if (dc_) {
        SelectObject(dc_, old_font_);
        SelectObject(dc_, old_pen_);
        SelectObject(dc_, old_brush_);
        old_font_ = old_pen_ = old_brush_ = nullptr;
        Font.OnChange = Pen.OnChange = Brush.OnChange = nullptr;
    }
    dc_ = dc;
    if (dc_) {
        old_font_ = SelectObject(dc_, Font.Handle());
        old_pen_ = SelectObject(dc_, Pen.Handle());
        old_brush_ = SelectObject(dc_, Brush.Handle());
        Font.OnChange = Pen.OnChange = Brush.OnChange = [this] { Select(); };
        Select();
    }
}

void TCanvas::Select() {
    if (!dc_) return;
    SelectObject(dc_, Font.Handle());
    SelectObject(dc_, Pen.Handle());
    SelectObject(dc_, Brush.Handle());
    SetTextColor(dc_, ColorRef(Font.Color()));
    SetBkColor(dc_, ColorRef(Brush.Color()));
    SetBkMode(dc_, Brush.Clear() ? TRANSPARENT : OPAQUE);
}

void TCanvas::FillRect(const RECT& r) {
    ::FillRect(dc_, &r, Brush.Handle());
}
void TCanvas::FrameRect(const RECT& r) {
    ::FrameRect(dc_, &r, Brush.Handle());
}
void TCanvas::Rectangle(int l, int t, int r, int b) {
    ::Rectangle(dc_, l, t, r, b);
}
void TCanvas::MoveTo(int x, int y) {
    MoveToEx(dc_, x, y, nullptr);
}
void TCanvas::LineTo(int x, int y) {
    ::LineTo(dc_, x, y);
}

void TCanvas::TextOut(int x, int y, const std::wstring& text) {
    ::TextOutW(dc_, x, y, text.c_str(), static_cast<int>(text.size()));
}

int TCanvas::DrawText(const std::wstring& text, RECT& r, UINT format) {
    return ::DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &r, format);
}

SIZE TCanvas::TextExtent(const std::wstring& text) {
    SIZE s{};
    GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &s);
    return s;
}

void TCanvas::Draw(int x, int y, const TBitmap& bitmap) {
    auto& b = const_cast<TBitmap&>(bitmap);
    BitBlt(dc_, x, y, b.Width(), b.Height(), b.Canvas().Handle(), 0, 0, SRCCOPY);
}

void TCanvas::StretchDraw(const RECT& r, const TBitmap& bitmap) {
    auto& b = const_cast<TBitmap&>(bitmap);
    SetStretchBltMode(dc_, COLORONCOLOR);
    StretchBlt(dc_, r.left, r.top, r.right - r.left, r.bottom - r.top, b.Canvas().Handle(), 0, 0,
               b.Width(), b.Height(), SRCCOPY);
}

// ---- TBitmap

TBitmap::TBitmap() = default;

// The canvas lets go of the DC first, the DC goes before the bitmap selected into it.
TBitmap::~TBitmap() = default;

const TClassInfo& TBitmap::StaticClass() {
    static const TClassInfo info(L"TBitmap", &TPersistent::StaticClass());
    return info;
}

void TBitmap::SetPixelFormat(TPixelFormat f) {
    if (f != format_) {
        format_ = f;
        Rebuild();
    }
}

void TBitmap::SetSize(int width, int height) {
    width_ = std::max(0, width);
    height_ = std::max(0, height);
    Rebuild();
}

int TBitmap::Stride() const {
    const int bpp = format_ == TPixelFormat::pf32bit ? 32 : 24;
    return ((width_ * bpp + 31) / 32) * 4;
}

void TBitmap::Rebuild() {
    // A bitmap selected into a DC cannot be deleted.
    if (dc_) SelectObject(dc_.get(), old_bitmap_);
    bitmap_.reset();
    bits_ = nullptr;
    if (width_ > 0 && height_ > 0) {
        BITMAPINFO bi{};
        bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        bi.bmiHeader.biWidth = width_;
        bi.bmiHeader.biHeight = -height_; // rows from the top
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = format_ == TPixelFormat::pf32bit ? 32 : 24;
        bi.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_.reset(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
        if (!bitmap_) throw EInvalidGraphic("Out of system resources creating a bitmap");
        bits_ = static_cast<std::uint8_t*>(bits);
        std::memset(bits_, 0, static_cast<std::size_t>(Stride()) * height_);
    }
    if (dc_) {
        old_bitmap_ =
            SelectObject(dc_.get(), bitmap_ ? static_cast<HGDIOBJ>(bitmap_.get()) : old_bitmap_);
        if (canvas_) canvas_->SetHandle(dc_.get());
    }
}

std::uint8_t* TBitmap::ScanLine(int y) {
    if (!bits_ || y < 0 || y >= height_) throw std::out_of_range("Scan line index out of range");
    GdiFlush();
    return bits_ + static_cast<std::size_t>(y) * Stride();
}

void TBitmap::ScaleForDpi(int cells, int dpi, int fromDpi) {
    if (Empty() || width_ <= 0 || height_ <= 0) return;
    const int bytes = format_ == TPixelFormat::pf32bit ? 4 : 3;
    TKeyedPicture picture{width_, height_, {}};
    picture.Pixels.resize(static_cast<std::size_t>(width_) * height_);
    for (int y = 0; y < height_; ++y) {
        const std::uint8_t* row = ScanLine(y);
        for (int x = 0; x < width_; ++x) {
            std::uint32_t p = 0;
            std::memcpy(&p, row + x * bytes, static_cast<std::size_t>(bytes));
            picture.Pixels[static_cast<std::size_t>(y) * width_ + x] = p;
        }
    }
    const std::uint32_t key = picture.Pixels[static_cast<std::size_t>(height_ - 1) * width_];
    const TKeyedPicture scaled = ScaleKeyedPicture(picture, cells, key, dpi, fromDpi);
    if (scaled.Width == width_ && scaled.Height == height_) return;
    SetSize(scaled.Width, scaled.Height);
    for (int y = 0; y < height_; ++y) {
        std::uint8_t* row = ScanLine(y);
        for (int x = 0; x < width_; ++x)
            std::memcpy(row + x * bytes, &scaled.Pixels[static_cast<std::size_t>(y) * width_ + x],
                        static_cast<std::size_t>(bytes));
    }
}

TCanvas& TBitmap::Canvas() {
    if (!dc_) {
        dc_.reset(CreateCompatibleDC(nullptr));
        old_bitmap_ = bitmap_ ? SelectObject(dc_.get(), bitmap_.get()) : nullptr;
    }
    if (!canvas_) canvas_ = std::make_unique<TCanvas>(dc_.get());
    return *canvas_;
}

void TBitmap::LoadFromBytes(std::span<const std::uint8_t> data) {
    const DecodedImage img = DecodeBmp(data);
    format_ = img.source_bits == 32 ? TPixelFormat::pf32bit : TPixelFormat::pf24bit;
    SetSize(img.width, img.height);
    for (int y = 0; y < height_; ++y) {
        std::uint8_t* row = ScanLine(y);
        const std::uint32_t* src = img.pixels.data() + static_cast<std::size_t>(y) * width_;
        for (int x = 0; x < width_; ++x) {
            const std::uint32_t p = src[x];
            if (format_ == TPixelFormat::pf32bit) {
                std::memcpy(row + x * 4, &p, 4);
            } else {
                row[x * 3] = static_cast<std::uint8_t>(p);
                row[x * 3 + 1] = static_cast<std::uint8_t>(p >> 8);
                row[x * 3 + 2] = static_cast<std::uint8_t>(p >> 16);
            }
        }
    }
}

void TBitmap::LoadFromResource(HINSTANCE instance, const wchar_t* name) {
    HRSRC res = FindResourceW(instance, name, reinterpret_cast<LPCWSTR>(RT_BITMAP));
    HGLOBAL mem = res ? LoadResource(instance, res) : nullptr;
    const void* p = mem ? LockResource(mem) : nullptr;
    if (!p) throw EInvalidGraphic("Bitmap resource not found");
    const auto size = SizeofResource(instance, res);
    const DecodedImage img =
        DecodeBmp({static_cast<const std::uint8_t*>(p), static_cast<std::size_t>(size)}, false);
    format_ = TPixelFormat::pf24bit;
    SetSize(img.width, img.height);
    for (int y = 0; y < height_; ++y) {
        std::uint8_t* row = ScanLine(y);
        for (int x = 0; x < width_; ++x) {
            const std::uint32_t px = img.pixels[static_cast<std::size_t>(y) * width_ + x];
            row[x * 3] = static_cast<std::uint8_t>(px);
            row[x * 3 + 1] = static_cast<std::uint8_t>(px >> 8);
            row[x * 3 + 2] = static_cast<std::uint8_t>(px >> 16);
        }
    }
}

bool TBitmap::ReadBinary(std::wstring_view name, std::span<const std::uint8_t> data) {
    if (LowerCase(name) != L"data") return false;
    LoadFromBytes(data);
    return true;
}

// ---- TIcon

const TClassInfo& TIcon::StaticClass() {
    static const TClassInfo info(L"TIcon", &TPersistent::StaticClass());
    return info;
}

OwnedIcon TIcon::HandleForSize(int width, int height) const {
    if (data_.empty()) return {};
    const auto entries = ReadIcoDirectory(data_);
    const int want_w = width ? width : GetSystemMetrics(SM_CXICON);
    const int want_h = height ? height : GetSystemMetrics(SM_CYICON);
    const int i = ChooseIcoEntry(entries, want_w, want_h);
    const auto& e = entries[static_cast<std::size_t>(i)];
    OwnedIcon h(CreateIconFromResourceEx(const_cast<std::uint8_t*>(data_.data() + e.offset), e.size,
                                         TRUE, 0x00030000, want_w, want_h, LR_DEFAULTCOLOR));
    if (!h) throw EInvalidGraphic("Icon image is not valid");
    return h;
}

void TIcon::LoadFromBytes(std::span<const std::uint8_t> data, int width, int height) {
    std::vector<std::uint8_t> copy(data.begin(), data.end());
    ReadIcoDirectory(copy); // validate before anything changes
    std::swap(data_, copy);
    OwnedIcon h;
    try {
        h = HandleForSize(width, height);
    } catch (...) {
        std::swap(data_, copy);
        throw;
    }
    icon_ = std::move(h);
    if (OnChange) OnChange();
}

bool TIcon::ReadBinary(std::wstring_view name, std::span<const std::uint8_t> data) {
    if (LowerCase(name) != L"data") return false;
    LoadFromBytes(data);
    return true;
}

// ---- TImageList

TImageList::TImageList(int width, int height)
    : width_(width), height_(height),
      list_(ImageList_Create(width, height, ILC_COLOR24 | ILC_MASK, 4, 4)) {}

TImageList::~TImageList() {
    if (list_) ImageList_Destroy(list_);
}

int TImageList::AddMasked(const TBitmap& bitmap, TColor mask) {
    return ImageList_AddMasked(list_, bitmap.Handle(), ColorRef(mask));
}

void TImageList::Draw(HDC dc, int x, int y, int index) const {
    ImageList_Draw(list_, index, dc, x, y, ILD_NORMAL);
}

} // namespace ui
