// The baseline for the start-up benchmark: a plain Win32 window the size and styles of Pellico's
// main window with the same controls in the same places and fonts, no class library and no
// skin. Whatever Pellico takes beyond this to start, and the memory it holds beyond it, is the
// program itself with its skinning.
#include "ui/win_handles.h"

#include <windows.h>

#include <initializer_list>

namespace {

constexpr wchar_t kClass[] = L"BareForm";
constexpr int kClientWidth = 263;
constexpr int kClientHeight = 354;
constexpr int kLabel1 = 101;
constexpr int kLabel2 = 102;

using Font = ui::GdiHandle<HFONT>;

Font MakeFont(int height, bool underline = false) {
    return Font(CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, underline, FALSE, DEFAULT_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                            L"宋体"));
}

// Where a control stands in the form's client area.
struct Place {
    int left, top, width, height;
};

struct Fonts {
    Font form = MakeFont(-16);
    Font list = MakeFont(-14);
    Font button = MakeFont(-12);
    Font link = MakeFont(-12, true);
};

HWND AddControl(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, DWORD ex_style,
                Place at, HFONT font, int id = 0) {
    const HWND control = CreateWindowExW(
        ex_style, cls, text, WS_CHILD | WS_VISIBLE | style, at.left, at.top, at.width, at.height,
        parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

// The controls of the main window where its description places them.
void AddControls(HWND form, const Fonts& fonts) {
    AddControl(form, L"LISTBOX", L"", WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
               WS_EX_CLIENTEDGE, {8, 8, 234, 195}, fonts.list.get());
    const DWORD push = WS_TABSTOP | BS_PUSHBUTTON;
    AddControl(form, L"BUTTON", L"粘  贴", push, 0, {9, 209, 59, 38}, fonts.button.get());
    AddControl(form, L"BUTTON", L"全部粘贴", push, 0, {94, 209, 59, 38}, fonts.button.get());
    AddControl(form, L"BUTTON", L"清  空", push, 0, {179, 209, 59, 38}, fonts.button.get());
    AddControl(form, L"BUTTON", L"粘贴后自动输入", WS_TABSTOP | BS_AUTOCHECKBOX, 0,
               {8, 255, 141, 26}, fonts.form.get());
    // A drop-down combo box is created with the height of its open list.
    const HWND combo = AddControl(form, L"COMBOBOX", L"", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN, 0,
                                  {158, 256, 94, 200}, fonts.form.get());
    for (const wchar_t* key : {L"Tab键", L"回车键", L"空格键", L"左光标键", L"下光标键"})
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(key));
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
    AddControl(form, L"STATIC", L"按F4粘贴下一条，F5顺次全部粘贴", SS_LEFT, 0, {3, 298, 249, 16},
               fonts.form.get());
    AddControl(form, L"STATIC", L"Korvane软件工作室 出品", SS_LEFT | SS_NOTIFY, 0,
               {1, 333, 161, 14}, fonts.list.get(), kLabel1);
    AddControl(form, L"STATIC", L"下载更多免费软件", SS_LEFT | SS_NOTIFY, 0, {164, 333, 96, 12},
               fonts.link.get(), kLabel2);
}

LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_CTLCOLORSTATIC: {
        // The two link labels in their colours, as the main window shows them.
        const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lparam));
        if (id != kLabel1 && id != kLabel2) break;
        const HDC dc = reinterpret_cast<HDC>(wparam);
        SetTextColor(dc, id == kLabel1 ? RGB(255, 0, 255) : RGB(0, 0, 255));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof(cls);
    cls.lpfnWndProc = FormProc;
    cls.hInstance = instance;
    cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    cls.lpszClassName = kClass;
    if (!RegisterClassExW(&cls)) return 1;

    // A dialog frame with only the close box, topmost, 263 x 354 inside, 20 pixels in from the
    // bottom right corner of the work area as Pellico places its window.
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    const DWORD ex_style = WS_EX_DLGMODALFRAME | WS_EX_TOPMOST;
    RECT frame{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&frame, style, FALSE, ex_style);
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const HWND form = CreateWindowExW(ex_style, kClass, L"Pellico剪贴板", style,
                                      work.right - 20 - width, work.bottom - 20 - height, width,
                                      height, nullptr, nullptr, instance, nullptr);
    if (!form) return 1;
    const Fonts fonts;
    AddControls(form, fonts);
    ShowWindow(form, show);
    UpdateWindow(form);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(form, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
