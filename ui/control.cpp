// The control base: bounds, visibility, colours, fonts, texts, the message hook and the
// library's notifications.
#include "ui/control.h"

#include "ui/application.h"
#include "ui/form.h"
#include "ui/layout_scale.h"
#include "ui/message_params.h"
#include "ui/prop_builders.h"
#include "ui/win_control.h"

namespace ui {

TControl::TControl(TComponent* owner) : TComponent(owner), font_(std::make_unique<TFont>()) {
    WindowProc = [this](TMessage& m) { WndProc(m); };
    font_->OnChange = [this] {
        parent_font_ = false;
        FontChanged();
    };
}

TControl::~TControl() {
    Destroying();
    font_->OnChange = nullptr;
    if (parent_) parent_->RemoveControl(this);
}

const TClassInfo& TControl::StaticClass() {
    using C = TControl;
    static const TClassInfo info(
        L"TControl", &TComponent::StaticClass(),
        {
            props::Integer(L"Left", &C::Left, &C::SetLeft),
            props::Integer(L"Top", &C::Top, &C::SetTop),
            props::Integer(L"Width", &C::Width, &C::SetWidth),
            props::Integer(L"Height", &C::Height, &C::SetHeight),
            props::Boolean(L"Visible", &C::Visible, &C::SetVisible),
            props::Boolean(L"Enabled", &C::Enabled, &C::SetEnabled),
            props::Integer(L"Color", &C::Color, &C::SetColor, ColorIdents()),
            props::Boolean(L"ParentColor", &C::ParentColor, &C::SetParentColor),
            props::Object(L"Font", &C::Font),
            props::Boolean(L"ParentFont", &C::ParentFont, &C::SetParentFont),
            props::String(L"Caption", &C::Caption, &C::SetCaption),
            props::String(L"Text", &C::Caption, &C::SetCaption),
            props::Integer(L"Cursor", &C::Cursor, &C::SetCursor, CursorIdents()),
            props::String(L"Hint", &C::Hint, &C::SetHint),
            props::Boolean(L"ShowHint", &C::ShowHint, &C::SetShowHint),
            props::Enum(L"BiDiMode",
                        {L"bdLeftToRight", L"bdRightToLeft", L"bdRightToLeftNoAlign",
                         L"bdRightToLeftReadingOnly"},
                        &C::BiDiMode, &C::SetBiDiMode),
            props::Reference(L"Parent", &C::Parent, &C::SetParent),
            props::Event(L"OnClick", &C::OnClick),
            props::Event(L"OnMouseEnter", &C::OnMouseEnter),
            props::Event(L"OnMouseLeave", &C::OnMouseLeave),
            props::Event(L"OnMouseDown", &C::OnMouseDown),
            props::Event(L"OnMouseUp", &C::OnMouseUp),
        });
    return info;
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    if (parent == this) throw std::invalid_argument("A control cannot be its own parent");
    if (parent_) parent_->RemoveControl(this);
    if (parent) parent->InsertControl(this);
}

void TControl::SetParentComponent(TComponent* parent) {
    if (auto* w = dynamic_cast<TWinControl*>(parent)) SetParent(w);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (parent_ && !IsWindowed()) parent_->Invalidate(); // old place
    left_ = left, top_ = top, width_ = width, height_ = height;
    Invalidate();
}

void TControl::ChangeScale(int dpi, int fromDpi) {
    const TLayoutBounds b = ScaleBounds({left_, top_, width_, height_}, dpi, fromDpi);
    SetBounds(b.Left, b.Top, b.Width, b.Height);
    ScaleContents(dpi, fromDpi);
}

void TControl::ScaleContents(int dpi, int fromDpi) {
    if (!parent_font_) font_->ScaleTo(dpi, fromDpi);
}

RECT TControl::ClientRect() {
    return {0, 0, width_, height_};
}

bool TControl::Showing() const {
    for (const TControl* c = this; c; c = c->parent_)
        if (!c->visible_) return false;
    return true;
}

void TControl::SetVisible(bool v) {
    if (v == visible_) return;
    VisibleChanging();
    visible_ = v;
    Perform(CM_VISIBLECHANGED, v ? 1 : 0);
    if (parent_ && !IsWindowed()) parent_->Invalidate();
}

void TControl::SetEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    Perform(CM_ENABLEDCHANGED);
}

void TControl::SetColor(TColor v) {
    if (v == color_) return;
    color_ = v;
    parent_color_ = false;
    ColorChanged();
}

void TControl::SetParentColor(bool v) {
    parent_color_ = v;
    if (v && parent_) {
        color_ = parent_->Color();
        ColorChanged();
    }
}

void TControl::SetParentFont(bool v) {
    if (v && parent_) {
        font_->Assign(*parent_->Font()); // goes through OnChange, which clears the flag
        FontChanged();
    }
    parent_font_ = v;
}

void TControl::SetText(const std::wstring& v) {
    if (v == text_) return;
    text_ = v;
    TextChanged();
    Perform(CM_TEXTCHANGED);
    Invalidate();
}

void TControl::SetCursor(TCursor v) {
    cursor_ = v;
    Perform(CM_CURSORCHANGED);
}

void TControl::SetBiDiMode(TBiDiMode v) {
    if (v == bidi_mode_) return;
    bidi_mode_ = v;
    if (auto* w = dynamic_cast<TWinControl*>(this))
        w->RecreateWnd(); // the reading order is a window style
    Invalidate();
}

void TControl::FontChanged() {
    Perform(CM_FONTCHANGED);
    Invalidate();
}

void TControl::ColorChanged() {
    Perform(CM_COLORCHANGED);
    Invalidate();
}

std::intptr_t TControl::Perform(std::uint32_t msg, std::uintptr_t wparam, std::intptr_t lparam) {
    TMessage m{msg, wparam, lparam, 0};
    WindowProc(m);
    return m.Result;
}

void TControl::OnMessage(std::uint32_t msg, std::function<void(TMessage&)> handler) {
    handlers_[msg] = std::move(handler);
}

void TControl::Invalidate() {}
void TControl::Repaint() {
    Invalidate();
}

TForm* TControl::ParentForm() const {
    const TControl* c = this;
    while (c->parent_)
        c = c->parent_;
    return dynamic_cast<TForm*>(const_cast<TControl*>(c));
}

int TControl::LayoutDpi() const {
    const TForm* form = ParentForm();
    return form ? form->PixelsPerInch() : kBaseDpi;
}

int TControl::Scaled(int pixels) const {
    return ScaleMeasure(pixels, LayoutDpi());
}

void TControl::Click() {
    if (OnClick && Firing()) OnClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown && Firing()) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp && Firing()) OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseEntered() {
    if (mouse_in_) return;
    mouse_in_ = true;
    if (Application) Application->HintMouseEnter(this);
    Perform(CM_MOUSEENTER);
    if (OnMouseEnter && Firing()) OnMouseEnter(this);
}

void TControl::MouseLeft() {
    if (!mouse_in_) return;
    mouse_in_ = false;
    if (Application) Application->HintMouseLeave(this);
    Perform(CM_MOUSELEAVE);
    if (OnMouseLeave && Firing()) OnMouseLeave(this);
}

void TControl::WndProc(TMessage& msg) {
    switch (msg.Msg) {
    case CM_PARENTFONTCHANGED:
        if (parent_font_ && parent_) {
            font_->Assign(*parent_->Font());
            parent_font_ = true;
        }
        break;
    case CM_PARENTCOLORCHANGED:
        if (parent_color_ && parent_) {
            color_ = parent_->Color();
            ColorChanged();
        }
        break;
    default:
        break;
    }
    Dispatch(msg);
}

void TControl::Dispatch(TMessage& msg) {
    auto it = handlers_.find(msg.Msg);
    if (it != handlers_.end())
        it->second(msg);
    else
        DefaultHandler(msg);
}

void TControl::DefaultHandler(TMessage&) {}

const TClassInfo& TGraphicControl::StaticClass() {
    static const TClassInfo info(L"TGraphicControl", &TControl::StaticClass());
    return info;
}

void DeliverMouseButton(TControl& control, std::uint32_t msg, std::uintptr_t wparam, POINT p) {
    const TMouseButton button = (msg == WM_RBUTTONDOWN || msg == WM_RBUTTONUP)
                                    ? TMouseButton::mbRight
                                    : TMouseButton::mbLeft;
    TShiftState shift = KeysToShiftState(wparam);
    if (msg == WM_LBUTTONDBLCLK) shift |= ssDouble;
    if (msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_LBUTTONDBLCLK) {
        control.MouseDown(button, shift, p.x, p.y);
        return;
    }
    control.MouseUp(button, shift, p.x, p.y);
}

void TGraphicControl::WndProc(TMessage& msg) {
    switch (msg.Msg) {
    case WM_PAINT: {
        TCanvas canvas(DcParam(msg));
        canvas.Font.Assign(*font_);
        Paint(canvas);
        return;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        DeliverMouseButton(*this, msg.Msg, msg.WParam, PointParam(msg));
        return;
    case WM_LBUTTONUP: {
        // Released over the control (the parent captured the mouse at the press): a click.
        const POINT p = PointParam(msg);
        DeliverMouseButton(*this, msg.Msg, msg.WParam, p);
        if (p.x >= 0 && p.y >= 0 && p.x < width_ && p.y < height_) Click();
        return;
    }
    case CM_ENABLEDCHANGED:
        // Its look follows the state; no window repaints it.
        Invalidate();
        break;
    default:
        break;
    }
    TControl::WndProc(msg);
}

void TGraphicControl::Invalidate() {
    if (parent_ && parent_->HandleAllocated()) {
        RECT r = BoundsRect();
        InvalidateRect(parent_->Handle(), &r, TRUE);
    }
}

} // namespace ui
