// Windowed controls: window creation, the library's window procedure, reflected control
// notifications, focus and tab order, graphic children and the mouse.
#include "ui/win_control.h"

#include "ui/application.h"
#include "ui/form.h"
#include "ui/message_params.h"
#include "ui/paint_timing.h"
#include "ui/prop_builders.h"
#include "ui/text_codec.h"

#include <algorithm>
#include <climits>

namespace ui {

namespace {

// Windows this thread is creating through the library, innermost last. A window meets its
// control object at its first message, and that may come late: a thread hook can make another
// of our windows in between (before the first one saw anything), and so can a creation handler.
// So each creation is remembered until CreateWindowEx returns, and a window takes the innermost
// creation of its class that has no window yet.
struct PendingBinding {
    TWinControl* control;
    std::wstring class_name;
    bool bound = false;
};
thread_local std::vector<PendingBinding> pending_bindings;

class PendingBindingScope {
public:
    PendingBindingScope(TWinControl* control, const std::wstring& class_name) : control_(control) {
        pending_bindings.push_back({control, class_name});
    }
    ~PendingBindingScope() {
        std::erase_if(pending_bindings,
                      [this](const PendingBinding& p) { return p.control == control_; });
    }
    PendingBindingScope(const PendingBindingScope&) = delete;
    PendingBindingScope& operator=(const PendingBindingScope&) = delete;

private:
    TWinControl* control_;
};

// The control being created for a window that has none yet, now bound to it.
TWinControl* TakePendingBinding(HWND wnd) {
    if (pending_bindings.empty()) return nullptr;
    const std::wstring class_name = WindowClassName(wnd);
    for (auto it = pending_bindings.rbegin(); it != pending_bindings.rend(); ++it) {
        if (it->bound || it->class_name != class_name) continue;
        it->bound = true;
        return it->control;
    }
    return nullptr;
}

// The window of ours the cursor was last seen moving in.
thread_local TWinControl* mouse_window = nullptr;
// While the cursor is in one of our windows a thread timer watches for it leaving: the
// system's leave report alone can go missing when two windows take turns at tracking.
thread_local UINT_PTR mouse_timer = 0;

void StopMouseTimer() {
    if (mouse_timer) KillTimer(nullptr, mouse_timer);
    mouse_timer = 0;
}

// The system cursor of each of the library's cursor numbers; crDefault leaves the window's
// class cursor, crNone hides it.
struct CursorEntry {
    TCursor cursor;
    const wchar_t* id;
};
const CursorEntry kCursors[] = {
    {crArrow, IDC_ARROW},          {crCross, IDC_CROSS},
    {crIBeam, IDC_IBEAM},          {crSizeNESW, IDC_SIZENESW},
    {crSizeNS, IDC_SIZENS},        {crSizeNWSE, IDC_SIZENWSE},
    {crSizeWE, IDC_SIZEWE},        {crUpArrow, IDC_UPARROW},
    {crHourGlass, IDC_WAIT},       {crNo, IDC_NO},
    {crAppStart, IDC_APPSTARTING}, {crHelp, IDC_HELP},
    {crHandPoint, IDC_HAND},       {crSizeAll, IDC_SIZEALL},
};

HCURSOR CursorHandle(TCursor c) {
    if (c == crNone) return nullptr;
    const wchar_t* id = IDC_ARROW;
    for (const CursorEntry& e : kCursors)
        if (e.cursor == c) id = e.id;
    return LoadCursorW(nullptr, id);
}

} // namespace

std::wstring WindowClassName(HWND wnd) {
    wchar_t name[256] = {};
    GetClassNameW(wnd, name, 256);
    return name;
}

LRESULT CALLBACK ControlWndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* control = static_cast<TWinControl*>(FindControl(wnd));
    if (!control) {
        control = TakePendingBinding(wnd);
        if (!control) return DefWindowProcW(wnd, msg, wp, lp);
        control->handle_ = wnd;
        TagWindow(wnd, control);
    }
    TMessage m{msg, wp, lp, 0};
    try {
        const TPaintTiming timing(control->ClassType().Name(), PaintSideOf(msg));
        control->WindowProc(m);
    } catch (...) {
        HandleException(control);
    }
    if (msg == WM_NCDESTROY) {
        if (mouse_window == control) {
            mouse_window = nullptr;
            StopMouseTimer();
        }
        UntagWindow(wnd);
        control->handle_ = nullptr;
        control->mouse_in_ = false;
    }
    return m.Result;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    Destroying();
    if (mouse_window == this) {
        mouse_window = nullptr;
        StopMouseTimer();
    }
    ClearMessageHandlers();
    while (!controls_.empty())
        Free(controls_.back());
    DestroyComponents();
    DestroyHandle();
    // A window whose last message never reached us (a subclass kept it) is forgotten here.
    if (handle_) UntagWindow(handle_);
}

const TClassInfo& TWinControl::StaticClass() {
    using C = TWinControl;
    static const TClassInfo info(L"TWinControl", &TControl::StaticClass(),
                                 {
                                     props::Integer(L"TabOrder", &C::TabOrder, &C::SetTabOrder),
                                     props::Boolean(L"TabStop", &C::TabStop, &C::SetTabStop),
                                     props::Event(L"OnEnter", &C::OnEnter),
                                     props::Event(L"OnExit", &C::OnExit),
                                 });
    return info;
}

HWND TWinControl::Handle() {
    if (!handle_) {
        if (parent_ && !parent_->HandleAllocated())
            parent_->Handle(); // makes this window too where it is visible
        if (!handle_) CreateOwnWindow();
    }
    return handle_;
}

void TWinControl::CreateOwnWindow() {
    const bool deferred = window_deferred_;
    CreateWnd();
    if (!parent_) return;
    PlaceAmongSiblings();
    if (!deferred) return;
    if (TForm* form = ParentForm(); form && form->HandleAllocated())
        SendMessageW(form->Handle(), CM_DEFERREDWINDOWMADE, 0, reinterpret_cast<LPARAM>(handle_));
}

void TWinControl::PlaceAmongSiblings() {
    // Made with their parent's, the children's windows go each below the ones before it, so
    // they run from the top down in the parent's order; a window made later goes there too,
    // right below the window of the nearest control before it.
    HWND above = HWND_TOP;
    for (TControl* c : parent_->controls_) {
        if (c == this) break;
        if (auto* w = dynamic_cast<TWinControl*>(c); w && w->handle_) above = w->handle_;
    }
    SetWindowPos(handle_, above, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

void TWinControl::CreateParams(TCreateParams& p) {
    p.caption = text_;
    p.style = WS_CHILD | WS_CLIPSIBLINGS;
    if (visible_) p.style |= WS_VISIBLE;
    if (tab_stop_) p.style |= WS_TABSTOP;
    if (!enabled_) p.style |= WS_DISABLED;
    if (UseRightToLeftReading()) p.ex_style |= WS_EX_RTLREADING;
    p.x = left_, p.y = top_, p.width = width_, p.height = height_;
    p.parent = parent_ ? parent_->Handle() : nullptr;
    p.win_class_name = ClassName();
}

void TWinControl::CreateWnd() {
    TCreateParams p;
    CreateParams(p);
    if ((p.style & WS_CHILD) && !p.parent)
        throw std::runtime_error("Control '" + WideToUtf8(Name()) + "' has no parent window");
    default_proc_ = RegisterControlClass(p);
    // A child's identifier is its menu handle; a top-level window has no identifier.
    HMENU id = nullptr;
    if (p.style & WS_CHILD) {
        // An identifier kept from before that a window put in the parent meanwhile has taken
        // is given up: no two windows there share one.
        if (parent_ && (control_id_ == 0 || GetDlgItem(p.parent, control_id_)))
            control_id_ = parent_->FreeChildId();
        id = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(control_id_));
    }
    HWND wnd = nullptr;
    {
        const PendingBindingScope binding(this, p.win_class_name);
        wnd = CreateWindowExW(p.ex_style, p.win_class_name.c_str(), p.caption.c_str(), p.style, p.x,
                              p.y, p.width, p.height, p.parent, id, GetModuleHandleW(nullptr),
                              nullptr);
    }
    if (!wnd) throw std::runtime_error("Error creating window");
    window_deferred_ = false;
    SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_->Handle()), 0);
    InitializeWnd();
    // The visible children's windows, in order; a hidden child's waits until it is shown or
    // asked for, but it takes its identifier now, the one it would have had with a window.
    for (TControl* c : controls_) {
        auto* w = dynamic_cast<TWinControl*>(c);
        if (!w || w->HandleAllocated()) continue;
        if (w->visible_) {
            w->CreateWnd();
            continue;
        }
        w->window_deferred_ = true;
        if (w->control_id_ == 0) w->control_id_ = FreeChildId();
    }
}

void TWinControl::SaveStateTree() {
    for (TControl* c : controls_)
        if (auto* w = dynamic_cast<TWinControl*>(c); w && w->HandleAllocated()) w->SaveStateTree();
    SaveWndState();
}

void TWinControl::SaveWndState() {
    text_ = GetText();
}

void TWinControl::DestroyHandle() {
    if (!handle_) return;
    // The windows inside go with this one: what only they held is kept for the next ones.
    SaveStateTree();
    DestroyWindow(handle_);
}

void TWinControl::RecreateWnd() {
    if (handle_) Perform(CM_RECREATEWND);
}

void TWinControl::InsertControl(TControl* c) {
    // A control coming from another parent keeps its identifier unless a child here has it.
    if (auto* w = dynamic_cast<TWinControl*>(c); w && w->control_id_ && ChildWithId(w->control_id_))
        w->control_id_ = 0;
    controls_.push_back(c);
    c->parent_ = this;
    if (auto* w = dynamic_cast<TWinControl*>(c)) {
        tab_list_.push_back(w);
        // Placed in a parent that has its window: the window is not put off but made now, or
        // once the control shows.
        w->window_deferred_ = false;
        if (handle_ && !w->handle_ && w->visible_) w->CreateOwnWindow();
    }
    if (c->parent_font_) {
        c->font_->Assign(*font_);
        c->parent_font_ = true;
    }
    if (c->parent_color_) c->color_ = color_;
    c->Invalidate();
}

void TWinControl::RemoveControl(TControl* c) {
    if (hot_child_ == c) hot_child_ = nullptr;
    if (captured_child_ == c) captured_child_ = nullptr;
    if (auto* w = dynamic_cast<TWinControl*>(c)) {
        std::erase(tab_list_, w);
        if (!(ComponentState() & csDestroying)) w->DestroyHandle();
    }
    std::erase(controls_, c);
    c->parent_ = nullptr;
    Invalidate();
}

TWinControl* TWinControl::ChildWithId(int id) const {
    for (TControl* c : controls_)
        if (auto* w = dynamic_cast<TWinControl*>(c); w && w->control_id_ == id) return w;
    return nullptr;
}

int TWinControl::FreeChildId() const {
    // The lowest number no child has, ours or a window someone else put in ours.
    for (int id = 1;; ++id)
        if (!ChildWithId(id) && !(handle_ && GetDlgItem(handle_, id))) return id;
}

TControl* TWinControl::ControlAtPos(POINT p, bool graphic_only) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* c = *it;
        if (graphic_only && c->IsWindowed()) continue;
        RECT r = c->BoundsRect();
        if (c->Visible() && PtInRect(&r, p)) return c;
    }
    return nullptr;
}

void TWinControl::Broadcast(TMessage& msg) {
    const auto children = controls_; // a handler may change the list
    for (TControl* c : children) {
        c->WindowProc(msg);
        if (msg.Result != 0) return;
    }
}

int TWinControl::TabOrder() const {
    if (!parent_) return -1;
    const auto& list = parent_->tab_list_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int v) {
    if (!parent_) return;
    auto& list = parent_->tab_list_;
    std::erase(list, this);
    const auto at = std::clamp(v, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + at, this);
}

void TWinControl::Loaded() {
    TControl::Loaded();
    if (stored_tab_order_ >= 0 && parent_) {
        auto key = [](const TWinControl* c) {
            return c->stored_tab_order_ >= 0 ? c->stored_tab_order_ : INT_MAX;
        };
        std::stable_sort(
            parent_->tab_list_.begin(), parent_->tab_list_.end(),
            [&](const TWinControl* a, const TWinControl* b) { return key(a) < key(b); });
    }
}

void TWinControl::SetTabStop(bool v) {
    tab_stop_ = v;
    if (handle_) {
        auto style = GetWindowLongW(handle_, GWL_STYLE);
        SetWindowLongW(handle_, GWL_STYLE, v ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP));
    }
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) {
    for (TWinControl* c : tab_list_) {
        list.push_back(c);
        c->GetTabOrderList(list);
    }
}

bool TWinControl::CanFocus() const {
    for (const TControl* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    return true;
}

void TWinControl::SetFocus() {
    if (!CanFocus()) throw std::runtime_error("Cannot focus a disabled or invisible window");
    ::SetFocus(Handle());
}

bool TWinControl::Focused() const {
    if (!handle_) return false;
    HWND focus = GetFocus();
    return focus == handle_ || (focus && IsChild(handle_, focus) && !FindControl(focus));
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool forward, bool check_tab_stop) {
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty()) return nullptr;
    if (!forward) std::reverse(list.begin(), list.end());
    auto start = std::find(list.begin(), list.end(), current);
    const std::size_t n = list.size();
    std::size_t i = start == list.end() ? n - 1 : static_cast<std::size_t>(start - list.begin());
    for (std::size_t step = 0; step < n; ++step) {
        i = (i + 1) % n;
        TWinControl* c = list[i];
        if (c->CanFocus() && (!check_tab_stop || c->TabStop()) && c->controls_.empty()) return c;
    }
    return nullptr;
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
    left_ = left, top_ = top, width_ = width, height_ = height;
    if (handle_)
        SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT TWinControl::ClientRect() {
    RECT r{0, 0, width_, height_};
    if (handle_) GetClientRect(handle_, &r);
    return r;
}

void TWinControl::Invalidate() {
    if (handle_) InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::Repaint() {
    if (handle_) {
        InvalidateRect(handle_, nullptr, TRUE);
        UpdateWindow(handle_);
    }
}

std::wstring TWinControl::GetText() const {
    if (!handle_) return text_;
    const int n = GetWindowTextLengthW(handle_);
    std::wstring s(static_cast<std::size_t>(n) + 1, L'\0');
    s.resize(static_cast<std::size_t>(GetWindowTextW(handle_, s.data(), n + 1)));
    return s;
}

void TWinControl::SetText(const std::wstring& v) {
    if (handle_) {
        if (v == GetText()) return;
        SetWindowTextW(handle_, v.c_str());
        text_ = v;
        TextChanged();
        Perform(CM_TEXTCHANGED);
    } else {
        TControl::SetText(v);
    }
}

void TWinControl::ScaleContents(int dpi, int fromDpi) {
    // The children's bounds before the font: a child that follows the font and sizes itself to
    // its text (a label) takes its new size from the scaled font at its scaled place, where
    // scaling its bounds afterwards would scale that size a second time.
    const auto children = controls_;
    for (TControl* c : children)
        c->ChangeScale(dpi, fromDpi);
    TControl::ScaleContents(dpi, fromDpi);
}

void TWinControl::FontChanged() {
    if (handle_) SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_->Handle()), TRUE);
    TMessage m{CM_PARENTFONTCHANGED, 0, 0, 0};
    Broadcast(m);
    TControl::FontChanged();
}

void TWinControl::ColorChanged() {
    brush_.SetColor(color_);
    TMessage m{CM_PARENTCOLORCHANGED, 0, 0, 0};
    Broadcast(m);
    TControl::ColorChanged();
}

HBRUSH TWinControl::ColorBrush() {
    if (brush_.Color() != color_) brush_.SetColor(color_);
    return brush_.Handle();
}

void TWinControl::PaintWindow(HDC) {}

void TWinControl::PaintControls(HDC dc) {
    for (TControl* c : controls_) {
        auto* g = dynamic_cast<TGraphicControl*>(c);
        if (!g || !g->Visible()) continue;
        const SavedDC saved(dc);
        RECT r = g->BoundsRect();
        IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
        SetViewportOrgEx(dc, r.left, r.top, nullptr);
        const TPaintTiming timing(g->ClassType().Name(), TPaintSide::Client);
        g->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc));
    }
}

void TWinControl::UpdateShowing() {
    if (handle_) {
        ShowWindow(handle_, visible_ ? SW_SHOWNA : SW_HIDE);
    } else if (visible_ && parent_ && parent_->HandleAllocated()) {
        CreateOwnWindow(); // shown at last: made visible
    }
}

void TWinControl::ReflectToChild(TMessage& msg, HWND child) {
    if (child && child != handle_ && FindControl(child)) {
        msg.Result = SendMessageW(child, CN_BASE + msg.Msg, msg.WParam, msg.LParam);
        return;
    }
    Dispatch(msg);
}

void TWinControl::FocusEntered() {
    if (TForm* form = ParentForm()) form->FocusControl(this);
}

void TWinControl::HandleMouse(TMessage& msg) {
    const POINT p = PointParam(msg);
    TControl* target = captured_child_ ? captured_child_ : ControlAtPos(p, true);
    if (msg.Msg == WM_MOUSEMOVE) {
        // A move here means the cursor has left whichever window had it before; that
        // window hears so now rather than whenever the system's leave report comes.
        if (mouse_window != this) {
            if (mouse_window) mouse_window->LeaveMouse();
            mouse_window = this;
            if (!mouse_timer) mouse_timer = SetTimer(nullptr, 0, 100, CheckMouse);
            TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, handle_, 0};
            TrackMouseEvent(&tme);
        }
        MouseEntered();
        TControl* hot = ControlAtPos(p, true);
        if (hot != hot_child_) {
            if (hot_child_) hot_child_->MouseLeft();
            hot_child_ = hot;
            if (hot) hot->MouseEntered();
        }
        return;
    }
    const bool down =
        msg.Msg == WM_LBUTTONDOWN || msg.Msg == WM_RBUTTONDOWN || msg.Msg == WM_LBUTTONDBLCLK;
    if (!target) { // the window's own mouse events
        DeliverMouseButton(*this, msg.Msg, msg.WParam, p);
        return;
    }
    if (!target->Enabled()) return;
    if (down) {
        captured_child_ = target;
        SetCapture(handle_);
    } else {
        captured_child_ = nullptr;
        if (GetCapture() == handle_) ReleaseCapture();
    }
    // A graphic child hears of the button through its own message hook, as a window would.
    target->Perform(msg.Msg, msg.WParam, MAKELPARAM(p.x - target->Left(), p.y - target->Top()));
}

void CALLBACK TWinControl::CheckMouse(HWND, UINT, UINT_PTR, DWORD) {
    TWinControl* w = mouse_window;
    if (!w || !w->handle_) {
        StopMouseTimer();
        return;
    }
    POINT p;
    GetCursorPos(&p);
    HWND under = WindowFromPoint(p);
    // Inside means over the window itself or over a window in it that is not ours (the edit
    // of a combo box); one of ours takes over when the cursor moves in it.
    if (under == w->handle_ || (under && IsChild(w->handle_, under) && !FindControl(under))) return;
    mouse_window = nullptr;
    StopMouseTimer();
    try {
        w->LeaveMouse();
    } catch (...) {
        HandleException(w);
    }
}

void TWinControl::LeaveMouse() {
    if (hot_child_) {
        TControl* hot = hot_child_;
        hot_child_ = nullptr;
        hot->MouseLeft();
    }
    MouseLeft();
}

void TWinControl::WndProc(TMessage& msg) {
    if (ReflectControlMessage(msg) || AnswerCtlColor(msg) || MouseMessage(msg) || PaintMessage(msg))
        return;
    StateMessage(msg);
    TControl::WndProc(msg);
}

bool TWinControl::ReflectControlMessage(TMessage& msg) {
    HWND child = nullptr;
    switch (msg.Msg) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
        child = WindowLParam(msg); // none: a menu, an accelerator, a scroll bar
        break;
    case WM_NOTIFY:
        child = RecordParam<NMHDR>(msg)->hwndFrom;
        break;
    case WM_DRAWITEM: {
        const auto* dis = RecordParam<DRAWITEMSTRUCT>(msg);
        if (dis->CtlType != ODT_MENU) child = dis->hwndItem;
        break;
    }
    case WM_MEASUREITEM: {
        // The one message that names its control by identifier only.
        const auto* mis = RecordParam<MEASUREITEMSTRUCT>(msg);
        if (mis->CtlType != ODT_MENU) child = GetDlgItem(handle_, static_cast<int>(mis->CtlID));
        break;
    }
    default:
        return false;
    }
    if (!child) return false;
    ReflectToChild(msg, child);
    return true;
}

bool TWinControl::AnswerCtlColor(TMessage& msg) {
    switch (msg.Msg) {
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORSTATIC: {
        HDC dc = DcParam(msg);
        SetTextColor(dc, ColorRef(font_->Color()));
        SetBkColor(dc, ColorRef(color_));
        msg.Result = reinterpret_cast<std::intptr_t>(ColorBrush());
        return true;
    }
    default:
        return false;
    }
}

bool TWinControl::MouseMessage(TMessage& msg) {
    switch (msg.Msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        HandleMouse(msg);
        return false; // the window's own handling follows
    case WM_MOUSELEAVE:
        if (mouse_window == this) {
            mouse_window = nullptr;
            StopMouseTimer();
        }
        LeaveMouse();
        return false;
    case WM_SETCURSOR:
        return SetCursorFor(msg);
    default:
        return false;
    }
}

bool TWinControl::SetCursorFor(TMessage& msg) {
    if (WindowWParam(msg) != handle_ || LOWORD(msg.LParam) != HTCLIENT) return false;
    POINT p;
    GetCursorPos(&p);
    ScreenToClient(handle_, &p);
    TControl* child = ControlAtPos(p, true);
    const TCursor c = child && child->Cursor() != crDefault ? child->Cursor() : cursor_;
    if (c == crDefault) return false;
    ::SetCursor(CursorHandle(c));
    msg.Result = 1;
    return true;
}

bool TWinControl::PaintMessage(TMessage& msg) {
    // Windows of a system class paint themselves; ours are painted here.
    if (default_proc_ != DefWindowProcW) return false;
    switch (msg.Msg) {
    case WM_ERASEBKGND: {
        RECT r;
        GetClientRect(handle_, &r);
        FillRect(DcParam(msg), &r, ColorBrush());
        msg.Result = 1;
        return true;
    }
    case WM_PAINT:
        if (msg.WParam) {
            PaintAll(DcParam(msg));
        } else {
            // A painter that throws still ends the paint: the window is left valid, its DC
            // goes back and its caret shows again; the error is reported once.
            const PaintScope paint(handle_);
            PaintAll(paint.dc());
        }
        return true;
    default:
        return false;
    }
}

void TWinControl::PaintAll(HDC dc) {
    PaintWindow(dc);
    PaintControls(dc);
}

void TWinControl::StateMessage(TMessage& msg) {
    switch (msg.Msg) {
    case WM_SETFOCUS:
        FocusEntered();
        break;
    case WM_WINDOWPOSCHANGED:
        if (handle_ && !IsIconic(handle_)) ReadBounds();
        break;
    case CM_ENABLEDCHANGED:
        if (handle_) EnableWindow(handle_, enabled_);
        break;
    case CM_VISIBLECHANGED:
        UpdateShowing();
        break;
    case CM_RECREATEWND: {
        const bool had_focus = Focused();
        recreating_ = true;
        DestroyHandle();
        recreating_ = false;
        HandleNeeded();
        if (had_focus && CanFocus()) ::SetFocus(handle_);
        break;
    }
    default:
        break;
    }
}

RECT TWinControl::WindowBounds() const {
    RECT r;
    GetWindowRect(handle_, &r);
    if (GetWindowLongW(handle_, GWL_STYLE) & WS_CHILD)
        MapWindowPoints(nullptr, GetParent(handle_), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void TWinControl::ReadBounds() {
    const RECT r = WindowBounds();
    left_ = r.left, top_ = r.top, width_ = r.right - r.left, height_ = r.bottom - r.top;
}

void TWinControl::DefaultHandler(TMessage& msg) {
    if (!handle_ || (msg.Msg >= CM_BASE && msg.Msg < CM_BASE + 0x100)) return;
    msg.Result = CallWindowProcW(default_proc_, handle_, msg.Msg, msg.WParam, msg.LParam);
}

} // namespace ui
