// Windowed controls: a window of a class of their own, named after the control's class and
// superclassing a system class where the control is one, created when first needed: with the
// parent's window when visible, else once shown or asked for.
#pragma once
#include "ui/control.h"

#include <vector>

namespace ui {

struct TCreateParams {
    std::wstring caption;
    DWORD style = 0;
    DWORD ex_style = 0;
    int x = 0, y = 0, width = 0, height = 0;
    HWND parent = nullptr;
    // Our window class (the control's class name) and the system class it superclasses
    // (empty: a class of our own over DefWindowProc).
    std::wstring win_class_name;
    std::wstring system_class;
    UINT class_style = CS_DBLCLKS;
};

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }
    bool IsWindowed() const override { return true; }

    // The window, created (with its parents) when first asked for. A parent's window is made
    // with the windows of its visible children only; a hidden child's window is made when it
    // is shown or asked for, with the text, font and state it was given meanwhile.
    HWND Handle();
    bool HandleAllocated() const { return handle_ != nullptr; }
    void HandleNeeded() { Handle(); }
    void DestroyHandle();
    // Destroys and creates the window again (style changes that need a new window).
    void RecreateWnd();
    // A child window's identifier (GetDlgCtrlID): unique among its siblings, given when its
    // first window is made, or when its parent's is made while it is hidden, and kept by every
    // window after it unless a window someone else put in the parent has taken it meanwhile;
    // 0 before that and for top-level windows.
    int ControlId() const { return control_id_; }

    const std::vector<TControl*>& Controls() const { return controls_; }
    int ControlCount() const { return static_cast<int>(controls_.size()); }
    void InsertControl(TControl* c);
    void RemoveControl(TControl* c);
    // The visible, enabled child (windowed or not) under a client point, or none.
    TControl* ControlAtPos(POINT p, bool graphic_only) const;
    // Sends the message to every child control.
    void Broadcast(TMessage& msg);
    // Paints the children without a window into `dc` (client coordinates), as the control's
    // own paint does: whoever paints the control in its place does it too.
    void PaintControls(HDC dc);

    int TabOrder() const;
    // While a description is read the order is also remembered and the parent's list
    // sorted by it in Loaded, so the stored order wins whatever the order of creation.
    void SetTabOrder(int v);
    void Loaded() override;
    bool TabStop() const { return tab_stop_; }
    void SetTabStop(bool v);
    // Windowed children in tab order, nested ones after their container.
    void GetTabOrderList(std::vector<TWinControl*>& list);
    virtual bool CanFocus() const;
    void SetFocus();
    bool Focused() const;
    // The next (or previous) control in tab order after `current` that can take focus.
    TWinControl* FindNextControl(TWinControl* current, bool forward, bool check_tab_stop);

    void SetBounds(int left, int top, int width, int height) override;
    RECT ClientRect() override;
    void Invalidate() override;
    void Repaint() override;
    std::wstring GetText() const override;
    void SetText(const std::wstring& v) override;

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

protected:
    virtual void CreateParams(TCreateParams& params);
    virtual void CreateWnd();
    // After the window exists: the control pushes its state (items, selection) into it.
    virtual void InitializeWnd() {}
    // Before the window goes: the control keeps what only the window held.
    virtual void SaveWndState();
    void SaveStateTree();
    void WndProc(TMessage& msg) override;
    void DefaultHandler(TMessage& msg) override;
    void ScaleContents(int dpi, int fromDpi) override;
    void FontChanged() override;
    void ColorChanged() override;
    // Brush of the control's colour for WM_CTLCOLOR answers and background erase.
    HBRUSH ColorBrush();
    virtual void PaintWindow(HDC dc);
    // Called for every message when the window is created by the library's window procedure.
    friend LRESULT CALLBACK ControlWndProc(HWND, UINT, WPARAM, LPARAM);
    friend class TApplication;

    // This control took the focus: the form hears of it.
    void FocusEntered();
    // Where the window stands, in its parent's client coordinates (the screen's at the top).
    RECT WindowBounds() const;

    HWND handle_ = nullptr;
    WNDPROC default_proc_ = nullptr;
    std::vector<TControl*> controls_;
    std::vector<TWinControl*> tab_list_;
    bool tab_stop_ = false;
    bool recreating_ = false;
    int stored_tab_order_ = -1;

private:
    // The concerns of WndProc, each true when it answered the message for good.
    // Control messages a child sends its parent go back to the child (CN_BASE + message).
    bool ReflectControlMessage(TMessage& msg);
    // The colours a reflected WM_CTLCOLOR* asks for: the control's font and colour.
    bool AnswerCtlColor(TMessage& msg);
    // Mouse moves, buttons and leaving for the window and its graphic children; the cursor.
    bool MouseMessage(TMessage& msg);
    bool SetCursorFor(TMessage& msg);
    // Erasing and painting a window of our own class (system classes paint themselves).
    bool PaintMessage(TMessage& msg);
    void PaintAll(HDC dc);
    // Focus, bounds, enabled and visible state, recreation.
    void StateMessage(TMessage& msg);
    void ReadBounds();

    TWinControl* ChildWithId(int id) const;
    int FreeChildId() const;
    // This window made on its own, after its parent's: in its place among its siblings'
    // windows, and its form told where the parent's window was made without it
    // (CM_DEFERREDWINDOWMADE).
    void CreateOwnWindow();
    void PlaceAmongSiblings();
    void UpdateShowing();
    void ReflectToChild(TMessage& msg, HWND child);
    void HandleMouse(TMessage& msg);
    void LeaveMouse();
    static void CALLBACK CheckMouse(HWND, UINT, UINT_PTR, DWORD);
    TBrush brush_;
    int control_id_ = 0;
    // Hidden when its parent's window was made, it has had no window since.
    bool window_deferred_ = false;
    TControl* hot_child_ = nullptr;
    TControl* captured_child_ = nullptr;
};

LRESULT CALLBACK ControlWndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);
// Registers our window class for the params (once per class name) and returns the window
// procedure the control passes unhandled messages to.
WNDPROC RegisterControlClass(const TCreateParams& params);

} // namespace ui
