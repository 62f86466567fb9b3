// Controls: the common base of everything placed on a form, windowed or not. A control
// receives its messages through `WindowProc`, a replaceable hook in front of its own
// handling (`WndProc`), and binds handlers to single message numbers.
#pragma once
#include "ui/component.h"
#include "ui/constants.h"
#include "ui/graphics.h"
#include "ui/messages.h"
#include "ui/shift_state.h"

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace ui {

class TWinControl;
class TForm;

using TWndMethod = std::function<void(TMessage&)>;

enum class TBiDiMode {
    bdLeftToRight,
    bdRightToLeft,
    bdRightToLeftNoAlign,
    bdRightToLeftReadingOnly
};
enum class TMouseButton { mbLeft, mbRight, mbMiddle };
using TMouseEvent =
    std::function<void(TPersistent* sender, TMouseButton button, TShiftState shift, int x, int y)>;

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);
    void SetParentComponent(TComponent* parent) override;

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    virtual void SetBounds(int left, int top, int width, int height);
    RECT BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
    virtual RECT ClientRect();
    virtual int ClientWidth() { return ClientRect().right; }
    virtual int ClientHeight() { return ClientRect().bottom; }
    virtual void SetClientWidth(int v) { SetWidth(v); }
    virtual void SetClientHeight(int v) { SetHeight(v); }

    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible itself and every parent up to the form.
    bool Showing() const;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    TColor Color() const { return color_; }
    void SetColor(TColor v);
    bool ParentColor() const { return parent_color_; }
    void SetParentColor(bool v);
    TFont* Font() const { return font_.get(); }
    bool ParentFont() const { return parent_font_; }
    void SetParentFont(bool v);
    std::wstring Caption() const { return GetText(); }
    void SetCaption(const std::wstring& v) { SetText(v); }
    virtual std::wstring GetText() const { return text_; }
    virtual void SetText(const std::wstring& v);
    std::wstring Text() const { return GetText(); }
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor v);
    std::wstring Hint() const { return hint_; }
    void SetHint(const std::wstring& v) { hint_ = v; }
    bool ShowHint() const { return show_hint_; }
    void SetShowHint(bool v) { show_hint_ = v; }
    TBiDiMode BiDiMode() const { return bidi_mode_; }
    void SetBiDiMode(TBiDiMode v);
    bool UseRightToLeftReading() const { return bidi_mode_ != TBiDiMode::bdLeftToRight; }
    bool MouseInControl() const { return mouse_in_; }

    // The hook every message passes first; replace it to see messages before the control,
    // keep the old value to chain to it and put it back to restore.
    TWndMethod WindowProc;
    // Sends a message through WindowProc and returns its result.
    std::intptr_t Perform(std::uint32_t msg, std::uintptr_t wparam = 0, std::intptr_t lparam = 0);
    // Binds a handler to one message number; it runs in place of the default handling and
    // may call `Inherited(msg)` to run that too.
    void OnMessage(std::uint32_t msg, std::function<void(TMessage&)> handler);
    void Inherited(TMessage& msg) { DefaultHandler(msg); }
    void ClearMessageHandlers() { handlers_.clear(); }

    virtual void Invalidate();
    virtual void Repaint();
    // The form this control sits on (its top-level parent), or none.
    TForm* ParentForm() const;
    // The density the control's layout is at: its form's; kBaseDpi on no form.
    int LayoutDpi() const;
    // A measure the control's own drawing or layout gives in 96-dpi pixels, at LayoutDpi.
    int Scaled(int pixels) const;
    virtual bool IsWindowed() const { return false; }

    TNotifyEvent OnClick;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    virtual void Click();
    // The control's mouse-button handling (client coordinates); a skinner that swallows the
    // button message forwards it here.
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);

protected:
    friend class TWinControl;
    // The control's own handling: library bookkeeping, then the bound handlers, then the
    // default handling.
    virtual void WndProc(TMessage& msg);
    void Dispatch(TMessage& msg);
    virtual void DefaultHandler(TMessage& msg);
    virtual void VisibleChanging() {}
    // The control laid out at `dpi` from the layout it has at `fromDpi`: its bounds by their
    // edges, then what ScaleContents scales.
    virtual void ChangeScale(int dpi, int fromDpi);
    // What the control stores in pixels besides its bounds, at `dpi`: its font (unless it
    // follows its parent's, which brings it the parent's scaled font) and a control's own
    // measures (item heights, column widths); a windowed control's children, before its font.
    virtual void ScaleContents(int dpi, int fromDpi);
    virtual void FontChanged();
    virtual void ColorChanged();
    virtual void TextChanged() {}
    bool Firing() const { return !(ComponentState() & (csLoading | csDestroying)); }
    void MouseEntered();
    void MouseLeft();

    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    TColor color_ = clBtnFace;
    bool parent_color_ = false;
    bool parent_font_ = true;
    std::unique_ptr<TFont> font_;
    std::wstring text_;
    TCursor cursor_ = crDefault;
    std::wstring hint_;
    bool show_hint_ = false;
    TBiDiMode bidi_mode_ = TBiDiMode::bdLeftToRight;
    bool mouse_in_ = false;

private:
    std::map<std::uint32_t, std::function<void(TMessage&)>> handlers_;
};

// A control without a window of its own: its parent paints it and routes the mouse to it.
class TGraphicControl : public TControl {
public:
    using TControl::TControl;
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }
    // Paints into the parent's canvas, whose origin is moved to this control's corner.
    virtual void Paint(TCanvas& canvas) = 0;
    void Invalidate() override;

protected:
    // The parent hands it WM_PAINT (wParam: its DC, origin at this control's corner) and the
    // mouse buttons (client coordinates) through WindowProc, so a hook sees them as a window's.
    void WndProc(TMessage& msg) override;
};

// A mouse-button message turned into the control's MouseDown or MouseUp at `p`.
void DeliverMouseButton(TControl& control, std::uint32_t msg, std::uintptr_t wparam, POINT p);

// The control object that owns a window of this thread, as the window's control-object
// property names it.
TControl* FindControl(HWND wnd);
// Names `control` as the owner of `wnd` in the window's property, and forgets it again; the
// library's window procedure does both, at a window's first message and at its last.
void TagWindow(HWND wnd, TControl* control);
void UntagWindow(HWND wnd);
// The name of a window's class ("" for no window).
std::wstring WindowClassName(HWND wnd);
// The property's atom ("ControlOfs" + module instance + thread id, 8 hex digits each).
ATOM ControlAtom();
std::wstring ControlAtomName();

} // namespace ui
