// The skinned combo box: its frame and button from the skin, hot tracking of the button, and
// the companions of its list.
#include "skin/controls/pickers/skin_combo.h"

#include "skin/controls/base/control_paint.h"
#include "skin/controls/scroll/skin_scrollbar.h"

#include "skin/gdi/skin_paint.h"
#include "skin/runtime/skin_data.h"
#include "skin/runtime/skin_platform.h"

#include "ui/color.h"
#include "ui/message_params.h"
#include "ui/win_handles.h"
#include "ui/window_dpi.h"

#include <utility>

namespace {

// Frame styles of the skin's combo button.
constexpr int kFramedStyle = 0, kFlatStyle = 1, kWholeBoxStyle = 2;

// The combo box whose paint is running on this thread, if any.
thread_local HWND paintingNow = nullptr;

// Marks a combo box's paint for as long as it lives; touches no combo, so it may outlive one
// freed by its own paint.
class TPaintingNow {
public:
    explicit TPaintingNow(HWND combo) : outer_(std::exchange(paintingNow, combo)) {}
    ~TPaintingNow() { paintingNow = outer_; }
    TPaintingNow(const TPaintingNow&) = delete;
    TPaintingNow& operator=(const TPaintingNow&) = delete;

private:
    HWND outer_;
};

} // namespace

TSkinComBox::TSkinComBox(ui::TComponent* owner)
    : TSkinControl(owner), editSubclass_([this](ui::TMessage& msg) {
          if (!editSubclass_.Pass(msg)) return;
          switch (msg.Msg) {
          case WM_PAINT:
              // An edit field paints inside its own window, which the face leaves out; the box
              // inside an extended combo paints over the face, which goes back on top.
              if (extended_) PaintWindow(nullptr);
              break;
          case WM_MOUSEMOVE:
              SetHot(false); // the edit field never lies under the button
              break;
          default:
              TrackPress(msg.Msg);
              break;
          }
      }) {}

TSkinComBox::~TSkinComBox() {
    Destroying();
    Unhook();
}

const ui::TClassInfo& TSkinComBox::StaticClass() {
    static const ui::TClassInfo info(L"TSkinComBox", &TSkinControl::StaticClass());
    return info;
}

bool TSkinComBox::ReadComboInfo() {
    const auto get = User32Functions().GetComboBoxInfo;
    if (!get || !handle) return false;
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    if (!get(handle, &info)) return false;
    info_ = info;
    return true;
}

void TSkinComBox::AttachControl(TSkinControlHost* host, TSkinData* skinData, bool takeColour,
                                ui::TCanvas* sharedCanvas) {
    if (attached) return;
    TSkinControl::AttachControl(host, skinData, takeColour, sharedCanvas);
    AttachParts(true);
}

void TSkinComBox::AttachWindow(HWND window, TSkinData* skinData, TSkinControlHost* host,
                               ui::TCanvas* sharedCanvas) {
    if (attached) return;
    TSkinControl::AttachWindow(window, skinData, host, sharedCanvas);
    AttachParts(false);
}

void TSkinComBox::AttachParts(bool lists) {
    style_ = Style();
    if ((style_ & 3) != CBS_SIMPLE) {
        if (lists && (style_ & CBS_DROPDOWN) && ReadComboInfo() && info_.hwndList) {
            dropList_ = new TComboxScrollBar(this);
            dropList_->AttachWindow(info_.hwndList, skin, nullptr, canvas);
        }
        HookEdit();
        return;
    }
    if (!ReadComboInfo()) return;
    listHandle_ = info_.hwndList;
    if (!lists || !listHandle_) return;
    const auto list_style = static_cast<std::uint32_t>(GetWindowLongW(listHandle_, GWL_STYLE));
    if ((list_style & WS_POPUP) || !(list_style & WS_CHILD) ||
        GetParent(listHandle_) == GetDesktopWindow())
        return;
    simpleList_ = new TSkinScrollbarH(this);
    simpleList_->AttachWindow(listHandle_, skin, nullptr, canvas);
}

void TSkinComBox::HookEdit() {
    editChild_ = GetTopWindow(handle);
    // Its mouse moves never reach the combo, so only the edit can tell the mouse left the
    // button for the text.
    if (editChild_) editSubclass_.Install(editChild_, IsWindowUnicode(editChild_) != FALSE);
}

void TSkinComBox::Unhook() {
    editSubclass_.Release();
    editChild_ = nullptr;
}

void TSkinComBox::Detach() {
    TSkinControl::Detach();
    Unhook();
    // Detached, not freed: whoever stops skinning may be walking the skin controls. They go
    // with this object, which owns them.
    for (TSkinControl* part : {simpleList_, dropList_})
        if (part) part->Detach();
}

void TSkinComBox::SetHot(bool hot) {
    if (hot == Hot()) return;
    if (hot) {
        mouseState |= kHot;
        if (form) form->MouseOverControl(this);
    } else {
        mouseState &= static_cast<std::uint8_t>(~kHot);
    }
    // Only the skin's parts change: they are drawn again over what the combo drew, in one
    // copy, so the box does not flicker while the mouse moves over it.
    PaintWindow(nullptr);
}

bool TSkinComBox::TrackPress(UINT msg) {
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        mouseState |= kPressed;
        break;
    case WM_LBUTTONUP:
        mouseState &= static_cast<std::uint8_t>(~kPressed);
        break;
    default:
        return false;
    }
    Refresh();
    return true;
}

std::optional<TSelectionColours> TSkinComBox::FieldSelection() const {
    const std::uint32_t style = Style();
    if ((style & 3) != CBS_DROPDOWNLIST || (style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)))
        return std::nullopt;
    return SkinSelectionColours(skin);
}

bool TSkinComBox::BeforeMessage(ui::TMessage& msg) {
    if (msg.Msg == WM_PAINT && !msg.WParam) {
        // The paint asks for the frame first (WM_NCPAINT, from BeginPaint), and the skin's look
        // drawn after it covers the frame: the frame paint need not draw it as well.
        const TPaintingNow painting(handle);
        if (FieldSelection()) {
            // Composed whole before it reaches the screen: the combo's own paint would show
            // its field in the system's colours first.
            const ui::PaintScope paint(handle);
            if (paint.dc()) PaintWindow(nullptr);
            return false;
        }
        if (!CallDefault(msg)) return false;
        AfterMessage(msg);
        return false;
    }
    if (!FieldSelection()) return TSkinControl::BeforeMessage(msg);
    switch (msg.Msg) {
    case WM_ERASEBKGND:
        msg.Result = 1; // the paint covers everything
        return false;
    // The messages after which the combo draws its field at once: its drawing is held back and
    // the composed look painted after.
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_KEYDOWN:
    case WM_CHAR:
    case WM_MOUSEWHEEL:
    case CB_SETCURSEL:
    case CB_SELECTSTRING:
        if (!WithDrawingHeld(handle, [&] { return CallDefault(msg); })) return false;
        AfterMessage(msg);
        PaintWindow(nullptr);
        return false;
    default:
        break;
    }
    return TSkinControl::BeforeMessage(msg);
}

void TSkinComBox::AfterMessage(ui::TMessage& msg) {
    switch (msg.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        break;
    case ui::CN_COMMAND:
        // A choice made in the list: the combo drew its field at once as the list went.
        if (FieldSelection()) PaintWindow(nullptr);
        break;
    case WM_MOUSEMOVE: {
        const POINT p = ui::PointParam(msg);
        SetHot(ComboHotAfterMove(Hot(), PtInRect(&buttonRect_, p) != FALSE, enabledLook));
        break;
    }
    case WM_NCPAINT:
        // The system drew its border over the skin's; the paint that asked for it draws the
        // skin's again.
        if (paintingNow != handle) Refresh();
        break;
    case WM_DRAWITEM:
        Refresh();
        break;
    case ui::CM_MOUSELEAVE:
        SetHot(false);
        break;
    case WM_CTLCOLORSTATIC:     // the edit field of a disabled box, on its way to the owner
    case ui::CN_CTLCOLORSTATIC: // a disabled box without an edit field
        // A disabled box is filled in the skin's face, not in the system's.
        if (skin) {
            SetBkColor(ui::DcParam(msg), ui::ColorRef(SkinColour(kButtonFace)));
            msg.Result = reinterpret_cast<LRESULT>(skin->FaceBrush());
        }
        break;
    default:
        if (!TrackPress(msg.Msg)) TSkinControl::AfterMessage(msg);
        break;
    }
}

void TSkinComBox::DrawSkin(HDC dc, const RECT& rect) {
    if (!skin) return;
    const TDataSkinBorder* button = skin->Elements().ComboButton.get();
    if (!button) return;
    style_ = Style();
    exStyle_ = static_cast<std::uint32_t>(GetWindowLongW(handle, GWL_EXSTYLE));
    if (ReadComboInfo()) {
        buttonRect_ = info_.rcButton;
        if (info_.stateButton & STATE_SYSTEM_INVISIBLE) return;
    }
    focused = GetFocus() == handle;
    enabledLook = !(style_ & WS_DISABLED);
    const int frame = ComboButtonFrame({(mouseState & kPressed) != 0, focused, Hot(), enabledLook});

    RECT r = rect;
    OffsetRect(&r, -r.left, -r.top);
    // Composed off screen over what the combo paints of itself there, then copied back in one
    // piece. Never over pixels read back from `dc`: a window DC gives whatever the screen shows
    // where the combo lies (another window over it, without composition), and those would be
    // copied back as the combo's.
    HDC off = surface_.Prepare(r.right, r.bottom);
    if (!off) return;
    PrintOwnLook(off, r);
    if (const auto colours = FieldSelection()) RecolourField(*colours);
    if (button->Style == kFlatStyle)
        DrawFlat(off, r, frame, static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH)));
    else if (extended_)
        DrawExtended(off, r, frame);
    else
        DrawFramed(off, r, frame);
    const ui::SavedDC saved(dc);
    // The edit field is a child window the combo's own DC does not leave out: its text stays.
    if (editChild_ && IsWindowVisible(editChild_)) {
        RECT edit{}, window{};
        GetWindowRect(editChild_, &edit);
        GetWindowRect(handle, &window);
        OffsetRect(&edit, rect.left - window.left, rect.top - window.top);
        ExcludeClipRect(dc, edit.left, edit.top, edit.right, edit.bottom);
    }
    surface_.CopyTo(dc, rect);
}

void TSkinComBox::PrintOwnLook(HDC off, const RECT& r) {
    // What a border leaves around the client area is the skin's; the combo paints the rest.
    FillSkinColour(off, r);
    RECT window{};
    GetWindowRect(handle, &window);
    POINT client{0, 0};
    ClientToScreen(handle, &client);
    const ui::SavedDC saved(off);
    SetViewportOrgEx(off, client.x - window.left, client.y - window.top, nullptr);
    SendMessageW(handle, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(off),
                 PRF_CLIENT | PRF_ERASEBKGND);
}

void TSkinComBox::RecolourField(const TSelectionColours& colours) {
    if (!focused || SendMessageW(handle, CB_GETDROPPEDSTATE, 0, 0)) return;
    RECT window{};
    GetWindowRect(handle, &window);
    POINT client{0, 0};
    ClientToScreen(handle, &client);
    RECT field = info_.rcItem;
    OffsetRect(&field, client.x - window.left, client.y - window.top);
    // Only the highlight the combo drew there: the field around it keeps its own colours.
    TDib& surface = surface_.Surface();
    RecolourSelection(surface, SelectionBox(surface, field, colours.SystemBack), colours);
}

void TSkinComBox::DrawFramed(HDC off, const RECT& r, int frame) {
    const TSkinElements& e = skin->Elements();
    const TDataSkinBorder& button = *e.ComboButton;
    const bool left = (exStyle_ & WS_EX_LEFTSCROLLBAR) != 0;
    if (button.Style == kWholeBoxStyle) {
        // The loader composed box and button into one picture (its mirror for a left button).
        const TDataSkinObject* whole = left ? e.SunkEdge.get() : &button;
        if (whole) DrawElement(off, r, skin->Bitmaps(), *whole, frame, {.Dpi = Dpi()});
        return;
    }
    // The box lays its button out with the system's measures at its density.
    const int dpi = Dpi();
    const TComboLayout layout =
        FramedComboLayout(r.right, r.bottom, ui::MetricAtDpi(SM_CXHSCROLL, dpi), left,
                          ui::MetricAtDpi(SM_CXEDGE, dpi));
    // The text the combo drew is not painted over.
    const ui::SavedDC saved(off);
    ExcludeClipRect(off, layout.TextArea.Left, layout.TextArea.Top, layout.TextArea.Right,
                    layout.TextArea.Bottom);
    if (const TDataSkinObject* sunk = e.SunkEdge.get())
        DrawElement(off, r, skin->Bitmaps(), *sunk, frame, {.Dpi = dpi});
    const RECT area = ToRect(layout.Button);
    // The mirrored picture the loader made has no larger copy: it is scaled from its own.
    static const TPixelImage none;
    DrawCell(off, area,
             StripAtDpi(skin->Bitmaps(), left ? button.Image2 : button.Image,
                        left ? none : button.Image2x, button.Frame, dpi),
             true, button.Frame, frame);
    buttonRect_ = area;
    if (const TDataSkinObject* glyphs = e.ExtraImages.get()) {
        const TStripBitmap& strip =
            StripAtDpi(skin->Bitmaps(), glyphs->Image, glyphs->Image2x, glyphs->Frame, dpi);
        const TPixelRect at =
            CentredRect(layout.GlyphArea, strip.Width() / glyphs->Frame, strip.Height());
        DrawCell(off, ToRect(at), strip, true, glyphs->Frame, frame);
    }
}

void TSkinComBox::DrawFlat(HDC off, const RECT& r, int frame, HBRUSH brush) {
    const TDataSkinBorder& button = *skin->Elements().ComboButton;
    const int dpi = Dpi();
    const TStripBitmap& strip =
        StripAtDpi(skin->Bitmaps(), button.Image, button.Image2x, button.Frame, dpi);
    const TFlatComboLayout layout = FlatComboLayout(
        r.right, r.bottom, ui::MetricAtDpi(SM_CYVTHUMB, dpi), strip.Width() / button.Frame,
        strip.Height(), (exStyle_ & WS_EX_LEFTSCROLLBAR) != 0);
    const RECT ring = ToRect(layout.Ring), column = ToRect(layout.Column);
    FrameRect(off, &ring, brush);
    FillRect(off, &column, brush);
    const ui::GdiHandle<HBRUSH> border(CreateSolidBrush(ui::ColorRef(SkinColour(kButtonShadow))));
    FrameRect(off, &r, border.get());
    buttonRect_ = ToRect(layout.Button);
    DrawCell(off, buttonRect_, strip, true, button.Frame, frame);
}

void TSkinComBox::DrawExtended(HDC off, const RECT& r, int frame) {
    RECT client{};
    GetClientRect(handle, &client);
    if (client.right != r.right || client.bottom != r.bottom)
        FrameWithWhiteLine(off, r, ui::ColorRef(SkinColour(kButtonShadow)));
    const TDataSkinObject* arrow = skin->Elements().ComboArrow.get();
    HWND child = GetTopWindow(handle);
    if (!arrow || !child) return;
    RECT at{};
    GetWindowRect(child, &at);
    OffsetRect(&at, -windowRect.left, -windowRect.top);
    FillSkinColour(off, at);
    DrawCell(off, at, StripAtDpi(skin->Bitmaps(), arrow->Image, arrow->Image2x, arrow->Frame, Dpi()),
             true, arrow->Frame, frame);
}
