// The skinned menu bar: its buttons from the window's menu, their places, the bar's picture and
// single buttons repainted as the mouse moves over them.
#include "skin/forms/skin_menu_bar.h"

#include "skin/forms/skin_form.h"

#include "skin/gdi/skin_bitmaps.h"
#include "skin/gdi/skin_paint.h"
#include "skin/model/skin_geometry.h"
#include "skin/runtime/skin_data.h"
#include "skin/runtime/skin_draw_text.h"

#include "ui/form.h"
#include "ui/menus.h"
#include "ui/win_handles.h"

namespace {

// Text buffer for one native menu-bar item, in characters.
constexpr int kItemTextBuffer = 80;
// How captions are drawn on the bar.
constexpr UINT kCaptionFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

void DrawCaption(HDC dc, const TMenuBtn& button, const RECT& r, const TSkinElements& e,
                 HFONT menuFont) {
    const ui::Selection font(dc, menuFont);
    const ui::BkModeScope mode(dc, TRANSPARENT);
    const COLORREF colour =
        SetTextColor(dc, ui::ColorRef(e.Colors[button.Enabled ? kMenuBarText : kButtonShadow]));
    RECT text = r;
    SkinDrawText(dc, button.Caption, text, kCaptionFormat);
    SetTextColor(dc, colour);
}

} // namespace

void TMenuBtn::Paint() {
    bar_.PaintButton(*this);
}

TWinSkinMenu::TWinSkinMenu(TWinSkinForm& form, TSkinData& skin)
    : ui::TComponent(nullptr), form_(form), skin_(skin) {}

TWinSkinMenu::~TWinSkinMenu() {
    Destroying();
}

void TWinSkinMenu::Add(std::wstring caption, bool enabled, UINT command, HMENU submenu,
                       ui::TMenuItem* item) {
    auto button = std::make_unique<TMenuBtn>(form_, *this, buttons_.size());
    button->Visible = true;
    button->Enabled = enabled;
    button->Caption = std::move(caption);
    button->Command = command;
    button->Submenu = submenu;
    button->Item = item;
    buttons_.push_back(std::move(button));
}

bool TWinSkinMenu::Load(HWND window, ui::TForm* form, bool fromLibraryMenu, bool skipEmpty) {
    if (form_.HotObject() && dynamic_cast<TMenuBtn*>(form_.HotObject()))
        form_.SetHotObject(nullptr);
    buttons_.clear();
    window_ = window;
    if (const HMENU menu = GetMenu(window)) native_ = menu;
    if (!native_) return false;
    menu_ = form ? form->Menu() : nullptr;
    if (form && !menu_) return false;
    if (fromLibraryMenu && menu_) {
        for (ui::TMenuItem& item : menu_->Items)
            if (item.Visible)
                Add(item.Caption, item.Enabled, item.Command(),
                    item.Items.empty() ? nullptr : item.Handle(), &item);
    } else {
        const int count = GetMenuItemCount(native_);
        for (int i = 0; i < count; ++i) {
            wchar_t text[kItemTextBuffer] = {};
            MENUITEMINFOW info{};
            info.cbSize = sizeof(info);
            info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_TYPE;
            info.dwTypeData = text;
            info.cch = kItemTextBuffer - 1;
            if (!GetMenuItemInfoW(native_, static_cast<UINT>(i), TRUE, &info)) continue;
            std::wstring caption = (info.fType & MFT_SEPARATOR) ? std::wstring() : text;
            bool enabled = (info.fState & (MFS_GRAYED | MFS_DISABLED)) == 0;
            HMENU submenu = info.hSubMenu;
            ui::TMenuItem* item = menu_ ? menu_->FindItem(info.wID) : nullptr;
            if (item) {
                caption = item->Caption;
                enabled = item->Enabled;
                if (item->Items.empty()) submenu = nullptr;
            }
            if (skipEmpty && caption.empty()) continue;
            Add(std::move(caption), enabled, info.wID, submenu, item);
        }
    }
    SetMenu(window, nullptr);
    return true;
}

std::vector<TBarItem> TWinSkinMenu::BarItems() const {
    std::vector<TBarItem> items;
    const ui::WindowDC screen(nullptr);
    const ui::Selection font(screen.dc(), form_.MenuFont().Handle());
    for (const auto& b : buttons_) {
        TBarItem item;
        item.empty = b->Caption.empty();
        item.captionWidth = item.empty ? 0 : ui::MenuTextWidth(screen.dc(), b->Caption);
        item.visible = b->Visible;
        item.enabled = b->Enabled;
        item.accelerator = AcceleratorOf(b->Caption);
        items.push_back(item);
    }
    return items;
}

void TWinSkinMenu::LayOut(int windowWidth, TFrameSizes frame, int menuBarHeight, bool rightToLeft) {
    const TPixelRect bar = MenuBarRect(windowWidth, frame, menuBarHeight);
    barRect_ = ToRect(bar);
    const TDataSkinObject* element = skin_.Elements().MenuBar.get();
    TMenuBarLayoutInputs in{bar,         element != nullptr, element ? element->LeftWidth : 0,
                            element ? element->RightWidth : 0, rightToLeft, form_.Dpi()};
    const std::vector<TPixelRect> bounds = LayOutMenuBar(in, BarItems());
    for (std::size_t i = 0; i < buttons_.size() && i < bounds.size(); ++i)
        buttons_[i]->Bounds = ToRect(bounds[i]);
}

TDib& TWinSkinMenu::Compose(const RECT& bar, bool active, TSkinBitmaps& bitmaps) {
    const int w = bar.right - bar.left, h = bar.bottom - bar.top;
    if (work_.Width() != w || work_.Height() != h) {
        work_ = TDib(w, h);
        barBitmap_ = TDib(w, h);
    }
    if (work_.Empty()) return work_;
    const TSkinElements& e = skin_.Elements();
    const RECT all{0, 0, w, h};
    const int frame = active ? 1 : 2;
    const int dpi = form_.Dpi();
    if (const TDataSkinObject* m = e.MenuBar.get()) {
        if (m->Tile == 1) {
            DrawElement(work_.Dc(), all, bitmaps, *m, frame,
                        {.Stacked = true, .Tile = false, .Transparent = false, .Dpi = dpi});
        } else {
            const auto strip = bitmaps.CutAtDpi(m->Image, m->Image2x,
                                                {2, true, {m->LeftWidth, 0, m->RightWidth, 0}}, dpi);
            DrawThreeSlice(work_.Dc(), all, *strip.Strip, true, false, 2, frame, strip.Margins);
        }
    } else {
        const ui::GdiHandle<HBRUSH> brush(CreateSolidBrush(ui::ColorRef(e.Colors[kMenubar])));
        FillRect(work_.Dc(), &all, brush.get());
    }
    BitBlt(barBitmap_.Dc(), 0, 0, w, h, work_.Dc(), 0, 0, SRCCOPY);
    for (const auto& b : buttons_) {
        if (!b->Visible) continue;
        const RECT& r = b->Bounds;
        DrawCaption(work_.Dc(), *b,
                    {r.left - bar.left, r.top - bar.top, r.right - bar.left, r.bottom - bar.top},
                    e, form_.MenuFont().Handle());
    }
    return work_;
}

TMenuBtn* TWinSkinMenu::HitTest(POINT frame) const {
    std::vector<TPixelRect> bounds;
    for (const auto& b : buttons_)
        bounds.push_back(ToPixelRect(b->Bounds));
    const std::vector<TBarItem> items = BarItems();
    const auto hit = MenuBarHit(bounds, items, frame.x, frame.y);
    return hit ? buttons_[*hit].get() : nullptr;
}

std::optional<std::size_t> TWinSkinMenu::Accelerator(wchar_t key) const {
    return MenuBarAccelerator(BarItems(), key);
}

void TWinSkinMenu::PaintButton(const TMenuBtn& button) {
    if (!button.Visible || barBitmap_.Empty() || !window_) return;
    const ui::WindowDC dc(window_, ui::WindowDC::whole_window);
    if (!dc.dc()) return;
    const RECT& b = button.Bounds;
    BitBlt(dc.dc(), b.left, b.top, b.right - b.left, b.bottom - b.top, barBitmap_.Dc(),
           b.left - barRect_.left, b.top - barRect_.top, SRCCOPY);
    const TSkinElements& e = skin_.Elements();
    if (button.State == ncHot || button.State == ncPressed) {
        const ui::GdiHandle<HBRUSH> brush(CreateSolidBrush(ui::ColorRef(e.Colors[kButtonHilight])));
        // A line of one pixel at kBaseDpi, as thick as that at the window's density.
        RECT line = b;
        for (int i = ScaleMeasure(1, form_.Dpi()); i > 0; --i) {
            FrameRect(dc.dc(), &line, brush.get());
            InflateRect(&line, -1, -1);
        }
    }
    DrawCaption(dc.dc(), button, b, e, form_.MenuFont().Handle());
}
