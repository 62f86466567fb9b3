// The main window's handlers: they gather what the window knows (selection, check box, key
// choice, paste target) and leave every rule to the collector.
#include "app/Unit1.h"

#include "collector/KivUseDll.h"
#include "collector/clipboard.h"
#include "collector/hotkey_rules.h"
#include "collector/kivDialogs.h"
#include "collector/paste.h"
#include "collector/placement.h"
#include "skin/model/skin_catalogue.h"
#include "ui/application.h"
#include "ui/form_binding.h"
#include "ui/paint_timing.h"
#include "ui/startup_marks.h"

#include <stdexcept>
#include <string>

TForm1* Form1 = nullptr;

namespace {

// Where both credit labels lead.
constexpr wchar_t kHomePage[] = L"https://pellico.example/";
constexpr wchar_t kNoMoreEntries[] = L"已经复制最后一条";

} // namespace

TForm1::TForm1(ui::TComponent* owner, std::string_view description) : TForm(owner) {
    using ui::TNotifyEvent;
    auto notify = [this](void (TForm1::*handler)(ui::TPersistent*)) {
        return TNotifyEvent([this, handler](ui::TPersistent* sender) { (this->*handler)(sender); });
    };
    RegisterMethod(L"FormCreate", notify(&TForm1::FormCreate));
    RegisterMethod(L"FormClose",
                   ui::TCloseEvent([this](ui::TPersistent* sender, ui::TCloseAction& action) {
                       FormClose(sender, action);
                   }));
    RegisterMethod(L"Button1Click", notify(&TForm1::Button1Click));
    RegisterMethod(L"Button2Click", notify(&TForm1::Button2Click));
    RegisterMethod(L"Button3Click", notify(&TForm1::Button3Click));
    RegisterMethod(L"Timer1Timer", notify(&TForm1::Timer1Timer));
    RegisterMethod(L"Label1Click", notify(&TForm1::Label1Click));
    RegisterMethod(L"Label2Click", notify(&TForm1::Label2Click));
    RegisterMethod(L"RxTrayIcon1Click",
                   ui::TMouseEvent([this](ui::TPersistent* sender, ui::TMouseButton button,
                                          ui::TShiftState shift, int x, int y) {
                       RxTrayIcon1Click(sender, button, shift, x, y);
                   }));
    OnMessage(WM_DRAWCLIPBOARD, [this](ui::TMessage& m) { WMDrawClipboard(m); });
    OnMessage(WM_CHANGECBCHAIN, [this](ui::TMessage& m) { WMChangeCBChain(m); });
    OnMessage(WM_HOTKEY, [this](ui::TMessage& m) { WMHotKey(m); });
    OnMessage(RegisterWindowMessageW(kCaptureTimeQuery), [this](ui::TMessage& m) {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        m.Result = m.WParam == 0
                       ? static_cast<std::intptr_t>(capture_ticks_ * 1'000'000 / frequency.QuadPart)
                       : captures_;
    });
    OnMessage(RegisterWindowMessageW(kSkinLoadQuery), [this](ui::TMessage& m) {
        if (m.WParam == 0) {
            m.Result = static_cast<std::intptr_t>(SkinData1->StreamLoadMicroseconds);
            return;
        }
        std::size_t bytes = 0;
        for (const TNamedElement& n : ListSkinElements(SkinData1->Elements()))
            bytes += n.Element->Image.Pixels.size() * sizeof(n.Element->Image.Pixels[0]);
        m.Result = static_cast<std::intptr_t>(bytes);
    });
    OnMessage(RegisterWindowMessageW(kStartupMarksQuery), [](ui::TMessage& m) {
        m.Result = static_cast<std::intptr_t>(
            ui::StartupMarkMicroseconds(static_cast<ui::TStartupMark>(m.WParam)));
    });

    OnMessage(RegisterWindowMessageW(kPaintTimeQuery), [this](ui::TMessage& m) {
        if (m.WParam == 0) {
            m.Result = static_cast<std::intptr_t>(RepaintMicroseconds());
            return;
        }
        wchar_t part[256]{};
        if (!GlobalGetAtomNameW(static_cast<ATOM>(m.WParam), part, 256)) return;
        const auto side = m.LParam % 2 == 0 ? ui::TPaintSide::Client : ui::TPaintSide::Frame;
        const ui::TPaintTotals totals = ui::PaintTotals(part, side);
        m.Result = static_cast<std::intptr_t>(m.LParam < 2 ? totals.microseconds : totals.paints);
    });

    ui::RegisterComponentClass<TSkinData>();
    ui::RegisterComponentClass<tray::TRxTrayIcon>();
    LoadDescription(description);
}

std::int64_t TForm1::RepaintMicroseconds() {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    RedrawWindow(Handle(), nullptr, nullptr,
                 RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    QueryPerformanceCounter(&end);
    return (end.QuadPart - start.QuadPart) * 1'000'000 / frequency.QuadPart;
}

void TForm1::Loaded() {
    TForm::Loaded();
    // Every member has been read by now, and FormCreate, which needs them, comes next.
    BindMembers();
}

const ui::TClassInfo& TForm1::StaticClass() {
    static const ui::TClassInfo info(L"TForm1", &TForm::StaticClass());
    return info;
}

template <class T> T* TForm1::Member(const wchar_t* name) {
    auto* member = dynamic_cast<T*>(FindComponent(name));
    if (!member) throw std::runtime_error("The main window's description lacks a member");
    return member;
}

void TForm1::BindMembers() {
    Timer1 = Member<ui::TTimer>(L"Timer1");
    Button1 = Member<ui::TButton>(L"Button1");
    ListBox1 = Member<ui::TListBox>(L"ListBox1");
    Button2 = Member<ui::TButton>(L"Button2");
    Memo1 = Member<ui::TMemo>(L"Memo1");
    Button3 = Member<ui::TButton>(L"Button3");
    SkinData1 = Member<TSkinData>(L"SkinData1");
    RxTrayIcon1 = Member<tray::TRxTrayIcon>(L"RxTrayIcon1");
    Label1 = Member<ui::TLabel>(L"Label1");
    Label2 = Member<ui::TLabel>(L"Label2");
    CheckBox1 = Member<ui::TCheckBox>(L"CheckBox1");
    ComboBox1 = Member<ui::TComboBox>(L"ComboBox1");
    Label3 = Member<ui::TLabel>(L"Label3");
}

void TForm1::FormCreate(ui::TPersistent*) {
    // Placed before its window is made, so the window is made there. The stored place and the
    // work area are both on the primary monitor, whose density the layout was scaled to.
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const auto at = collector::PlaceNearCorner(work.right - work.left, work.bottom - work.top,
                                               Width(), Height(), PixelsPerInch());
    SetBounds(at.left, at.top, Width(), Height());

    try {
        // Its first WM_DRAWCLIPBOARD comes while watcher_ is still empty and is let be.
        watcher_ = std::make_unique<collector::TkivwatchClipbrd>(Handle());
        hotkeys_ = std::make_unique<collector::TKivhotkey>();
        hotkeys_->AddHotKey(Handle(), false, false, false, false, VK_F4);
        hotkeys_->AddHotKey(Handle(), false, false, false, false, VK_F5);
    } catch (const collector::ClipboardError&) {
        // Without the clipboard there is nothing to watch and nothing to paste with; the
        // window still comes up (placed, off the taskbar) so the user sees the program ran.
        ui::HandleException(this);
    }
    list_.Clear();
    list_.ClearSuppressNextCapture();

    // A tool window has no taskbar button: the application window carried the program's.
    SetWindowLongW(ui::Application->Handle(), GWL_EXSTYLE,
                   GetWindowLongW(Handle(), GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
}

void TForm1::FormClose(ui::TPersistent*, ui::TCloseAction&) {
    closed_ = true;
    watcher_.reset();
    hotkeys_.reset();
}

void TForm1::WMDrawClipboard(ui::TMessage& Message) {
    if (!watcher_) return;
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    const int probe = watcher_->HandleDrawClipboard(Message.Msg, Message.WParam, Message.LParam);
    if (auto line = list_.Capture(probe, collector::Clipboard::Instance()))
        ListBox1->Items()->Add(*line);
    QueryPerformanceCounter(&end);
    capture_ticks_ += end.QuadPart - start.QuadPart;
    ++captures_;
}

void TForm1::WMChangeCBChain(ui::TMessage& Message) {
    Message.Result =
        watcher_ ? watcher_->HandleChangeCBChain(Message.Msg, Message.WParam, Message.LParam) : 0;
}

void TForm1::Timer1Timer(ui::TPersistent*) {
    if (!ui::Application->Active()) target_ = GetForegroundWindow();
}

void TForm1::Button1Click(ui::TPersistent*) {
    const int i = ListBox1->ItemIndex();
    if (i >= 0) collector::PasteEntry(list_, static_cast<std::size_t>(i), target_, *effects_);
}

void TForm1::Button2Click(ui::TPersistent*) {
    collector::PasteAll(list_, target_, *effects_);
}

void TForm1::Button3Click(ui::TPersistent*) {
    list_.Clear();
    ListBox1->Items()->Clear();
}

void TForm1::Label1Click(ui::TPersistent*) {
    collector::OpenWithShell(kHomePage, L"", *effects_);
}

void TForm1::Label2Click(ui::TPersistent*) {
    collector::OpenWithShell(kHomePage, L"", *effects_);
}

// Either button: the window is never hidden, so this brings it to the front.
void TForm1::RxTrayIcon1Click(ui::TPersistent*, ui::TMouseButton, ui::TShiftState, int, int) {
    Show();
    SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

std::optional<WORD> TForm1::AfterPasteKey() {
    if (!CheckBox1->Checked()) return std::nullopt;
    return collector::AfterPasteKey(ComboBox1->ItemIndex());
}

void TForm1::WMHotKey(ui::TMessage& Message) {
    const int n = hotkeys_ ? hotkeys_->MatchHotKey(Message.WParam, Message.LParam) : 0;
    if (n) Message.Result = 1;
    if (n == 1) { // F4: the entry after the selected one
        const auto next =
            collector::NextPasteIndex(ListBox1->ItemIndex(), ListBox1->Items()->Count());
        if (!next) {
            collector::ShowTopInfo(kNoMoreEntries, *effects_);
            return;
        }
        ListBox1->SetItemIndex(*next);
        collector::PasteEntry(list_, static_cast<std::size_t>(*next), target_, *effects_);
        collector::TypeKey(AfterPasteKey(), *effects_);
    } else if (n == 2) { // F5: every entry in turn
        PasteEveryEntry();
    }
}

void TForm1::PasteEveryEntry() {
    // Each pause answers messages other programs send us, so "清  空" may be clicked or the
    // window closed while the run waits: it goes no further than the list reaches now, and not
    // at all once the window closed.
    const std::size_t count = list_.Size();
    for (std::size_t i = 0; i < count && i < list_.Size() && !closed_; ++i) {
        ListBox1->SetItemIndex(static_cast<int>(i));
        collector::PasteInTurn(list_, i, target_, AfterPasteKey(), *effects_);
    }
}
