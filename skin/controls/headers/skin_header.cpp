// Skinned header controls: the hot item from the mouse, the items and the room after them
// painted from the `Headerbar` strip.
#include "skin/controls/headers/skin_header.h"

#include "skin/controls/headers/header_rules.h"
#include "skin/gdi/skin_paint.h"
#include "skin/runtime/skin_data.h"
#include "skin/runtime/skin_platform.h"

#include "ui/message_params.h"
#include "ui/win_handles.h"

#include <commctrl.h>

#include <algorithm>
#include <array>

namespace {

// Longest item text read.
constexpr int kItemTextMax = 200;

UINT AlignFormat(THeaderAlign align) {
    switch (align) {
    case THeaderAlign::Right:
        return DT_RIGHT;
    case THeaderAlign::Centre:
        return DT_CENTER;
    default:
        return DT_LEFT;
    }
}

} // namespace

const ui::TClassInfo& TSkinHeader::StaticClass() {
    static const ui::TClassInfo info(L"TSkinHeader", &TSkinControl::StaticClass());
    return info;
}

const TDataSkinObject* TSkinHeader::Headerbar() const {
    return skin ? skin->Elements().Headerbar.get() : nullptr;
}

TSkinControl::TFacePaint TSkinHeader::FacePaint() const {
    // Without the strip the header paints and erases itself: answering its paint here would
    // leave it blank.
    return Headerbar() ? TFacePaint::kComposed : TFacePaint::kControl;
}

void TSkinHeader::SetHotItem(int item) {
    if (item == hotItem_) return;
    hotItem_ = item;
    if (Headerbar()) Refresh();
}

void TSkinHeader::AfterMessage(ui::TMessage& msg) {
    switch (msg.Msg) {
    case WM_MOUSEMOVE: {
        const POINT p = ui::PointParam(msg);
        SetHotItem(HeaderHotItem(itemRects_, p.x, p.y, Dpi()));
        SkinTrackMouseLeave(handle);
        break;
    }
    case WM_MOUSELEAVE:
    // The class library's own report, for a header control of its own: the system tracks one
    // window at a time.
    case ui::CM_MOUSELEAVE:
        SetHotItem(-1);
        break;
    default:
        TSkinControl::AfterMessage(msg);
        break;
    }
}

void TSkinHeader::DrawSkin(HDC dc, const RECT& rect) {
    const TDataSkinObject* bar = Headerbar();
    if (!bar) return;
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return;
    const int dpi = Dpi();
    auto drawFrame = [&](HDC target, const RECT& r, int frame) {
        DrawElement(target, r, skin->Bitmaps(), *bar, frame, {.Dpi = dpi});
    };

    HDC face = offscreen_.Prepare(width, height);
    const RECT all{0, 0, width, height};
    FillSkinColour(face, all);
    HFONT font = control ? control->Font()->Handle()
                         : reinterpret_cast<HFONT>(SendMessageW(handle, WM_GETFONT, 0, 0));
    const ui::Selection fontSelection = font ? ui::Selection(face, font) : ui::Selection();
    const ui::TColor textColour = control ? control->Font()->Color() : SkinColour(kButtonText);
    const ui::DcColours colours(face, ui::ColorRef(textColour),
                                ui::ColorRef(SkinColour(kButtonFace)));
    SetBkMode(face, TRANSPARENT);
    const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(handle, HDM_GETIMAGELIST, 0, 0));
    int imageWidth = 0, imageHeight = 0;
    if (images) ImageList_GetIconSize(images, &imageWidth, &imageHeight);

    const int count = std::max(0, static_cast<int>(SendMessageW(handle, HDM_GETITEMCOUNT, 0, 0)));
    itemRects_.assign(static_cast<std::size_t>(count), TPixelRect{});
    for (int i = 0; i < count; ++i) {
        RECT r{};
        if (!SendMessageW(handle, HDM_GETITEMRECT, static_cast<WPARAM>(i),
                          reinterpret_cast<LPARAM>(&r)))
            continue;
        std::array<wchar_t, kItemTextMax + 1> text{};
        HDITEMW item{};
        item.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
        item.pszText = text.data();
        item.cchTextMax = kItemTextMax;
        SendMessageW(handle, HDM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        // Whatever the control put there, the text ends inside the buffer.
        text.back() = L'\0';
        itemRects_[static_cast<std::size_t>(i)] = ToPixelRect(r);

        drawFrame(face, r, i == hotItem_ ? 2 : 1);
        const auto format = static_cast<std::uint32_t>(item.fmt);
        const THeaderItemLayout layout =
            HeaderItemLayout(ToPixelRect(r), format, images ? imageWidth : 0, imageHeight, dpi);
        if (layout.Image.Right > layout.Image.Left && item.iImage >= 0)
            ImageList_Draw(images, item.iImage, face, layout.Image.Left, layout.Image.Top,
                           ILD_TRANSPARENT);
        RECT textRect = ToRect(layout.Text);
        DrawSkinText(face, text.data(), textRect,
                     AlignFormat(HeaderTextAlign(format)) | DT_VCENTER | DT_SINGLELINE |
                         DT_END_ELLIPSIS | DT_NOPREFIX);
    }
    const TPixelRect rest = HeaderRemainder(itemRects_, width, height);
    if (rest.Right > rest.Left) drawFrame(face, ToRect(rest), 1);
    SetBkMode(face, OPAQUE);
    offscreen_.CopyTo(dc, rect);
}
