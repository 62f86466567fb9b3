// Skinned track bars: the custom-draw answers, the channel and the thumb.
#include "skin/controls/values/skin_trackbar.h"

#include "skin/controls/values/value_rules.h"

#include "skin/gdi/skin_paint.h"
#include "skin/runtime/skin_data.h"

#include "ui/color.h"
#include "ui/message_params.h"
#include "ui/messages.h"
#include "ui/win_handles.h"

#include <algorithm>
#include <utility>
#include <vector>

const ui::TClassInfo& TSkinTrackBar::StaticClass() {
    static const ui::TClassInfo info(L"TSkinTrackBar", &TSkinControl::StaticClass());
    return info;
}

bool TSkinTrackBar::Vertical() const {
    return (Style() & TBS_VERT) != 0;
}

const TDataSkinObject* TSkinTrackBar::ChannelPicture() const {
    if (!skin) return nullptr;
    // A lying picture drawn along a standing channel would be squeezed across its length.
    return Vertical() ? skin->Elements().TrackVert.get() : skin->Elements().Track.get();
}

const TDataSkinObject* TSkinTrackBar::ThumbPicture() const {
    if (!skin) return nullptr;
    const TSkinElements& e = skin->Elements();
    if (Vertical() && e.TrackbarThumbVert) return e.TrackbarThumbVert.get();
    return e.TrackbarThumbHorz.get();
}

bool TSkinTrackBar::BeforeMessage(ui::TMessage& msg) {
    // The bar fills its background with the brush its parent gives (handed back here): the
    // skin's face, so the bar does not stand out as a grey box on a skinned window.
    if (msg.Msg == ui::CN_CTLCOLORSTATIC && skin && skin->FaceBrush()) {
        SetBkColor(ui::DcParam(msg), ui::ColorRef(SkinColour(kButtonFace)));
        msg.Result = reinterpret_cast<LRESULT>(skin->FaceBrush());
        return false;
    }
    if (msg.Msg != WM_NOTIFY && msg.Msg != ui::CN_NOTIFY) return TSkinControl::BeforeMessage(msg);
    auto* header = ui::RecordParam<NMHDR>(msg);
    // Only the bar's own drawing: its tooltip reports its custom draw to the bar as well.
    if (!header || header->code != static_cast<UINT>(NM_CUSTOMDRAW) || header->hwndFrom != handle)
        return TSkinControl::BeforeMessage(msg);
    LRESULT answer = 0;
    if (!CustomDraw(*ui::RecordParam<NMCUSTOMDRAW>(msg), answer)) return true;
    msg.Result = answer;
    return false;
}

bool TSkinTrackBar::CustomDraw(NMCUSTOMDRAW& draw, LRESULT& answer) {
    const TDataSkinObject* channel = ChannelPicture();
    const TDataSkinObject* thumb = ThumbPicture();
    const auto decided =
        TrackBarCustomDraw(draw.dwDrawStage, static_cast<unsigned>(draw.dwItemSpec),
                           channel != nullptr, thumb != nullptr, SkinTicColours());
    if (!decided) return false;
    switch (decided->Paint) {
    case TTrackPaint::Channel:
        DrawChannel(draw.hdc, *channel);
        break;
    case TTrackPaint::Thumb:
        DrawThumb(draw.hdc, thumb);
        break;
    case TTrackPaint::ThumbOutline:
        DrawThumb(draw.hdc, nullptr);
        break;
    case TTrackPaint::TicColour:
        RecolourTics(draw.hdc);
        break;
    case TTrackPaint::Nothing:
        break;
    }
    answer = decided->Answer;
    return true;
}

bool TSkinTrackBar::SkinTicColours() const {
    for (const ui::TColor c : kTicSystemColours)
        if (InSkin(c) != ui::ColorToRGB(c)) return true;
    return false;
}

void TSkinTrackBar::RecolourTics(HDC dc) {
    RECT client{};
    GetClientRect(handle, &client);
    HDC off = ticSurface_.Prepare(client.right, client.bottom);
    if (!off) return;
    BitBlt(off, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
    // Only the tics are drawn so far besides the background and the channel, which is left out.
    RECT channel{};
    SendMessageW(handle, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    const RECT kept = ToRect(TrackChannelRect(ToPixelRect(channel), Vertical()));
    std::vector<std::pair<TPixel, TPixel>> changes;
    for (const ui::TColor c : kTicSystemColours)
        changes.emplace_back(PixelFromColor(ui::ColorToRGB(c)), PixelFromColor(InSkin(c)));
    TDib& surface = ticSurface_.Surface();
    for (int y = 0; y < surface.Height(); ++y) {
        TPixel* row = surface.Row(y);
        for (int x = 0; x < surface.Width(); ++x) {
            const POINT p{x, y};
            if (PtInRect(&kept, p)) continue;
            for (const auto& [from, to] : changes)
                if ((row[x] & 0xFFFFFF) == from) {
                    row[x] = to;
                    break;
                }
        }
    }
    BitBlt(dc, 0, 0, client.right, client.bottom, off, 0, 0, SRCCOPY);
}

void TSkinTrackBar::DrawChannel(HDC dc, const TDataSkinObject& picture) {
    RECT reported{};
    SendMessageW(handle, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&reported));
    const bool vertical = Vertical();
    const int frames = std::max(picture.Frame, 1);
    const int dpi = Dpi();
    const int thickness =
        ScaleMeasure(vertical ? picture.Image.Width / frames : picture.Image.Height, dpi);
    const RECT target = ToRect(
        TrackPictureRect(TrackChannelRect(ToPixelRect(reported), vertical), thickness, vertical));
    // Three slices along the channel: the two caps at their size, the middle stretched.
    const TMargins caps = vertical ? TMargins{0, picture.TopHeight, 0, picture.BottomHeight}
                                   : TMargins{picture.LeftWidth, 0, picture.RightWidth, 0};
    DrawElement(dc, target, skin->Bitmaps(), picture, 1,
                {.Margins = caps, .Frames = frames, .Tile = false, .Transparent = true, .Dpi = dpi});
}

void TSkinTrackBar::DrawThumb(HDC dc, const TDataSkinObject* picture) {
    RECT thumb{};
    SendMessageW(handle, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    if (picture) {
        DrawCell(dc, thumb,
                 StripAtDpi(skin->Bitmaps(), picture->Image, picture->Image2x, picture->Frame,
                            Dpi()),
                 true, picture->Frame, 2);
        return;
    }
    FillSkinColour(dc, thumb);
    const ui::GdiHandle<HBRUSH> border(CreateSolidBrush(ui::ColorRef(SkinColour(kButtonShadow))));
    FrameRect(dc, &thumb, border.get());
}

void TSkinTrackBar::SkinChanged() {
    TSkinControl::SkinChanged();
    // Only where the focus is in this program already: taking it from nowhere would activate
    // the window while the user works elsewhere.
    const HWND had = GetFocus();
    if (!handle || !had || had == handle) return;
    SetFocus(handle);
    SetFocus(had);
}
