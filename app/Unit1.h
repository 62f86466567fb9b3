// The main window: the list of collected texts with its paste buttons, the after-paste key
// choice, and the wiring of the clipboard watcher, the hotkeys and the paste target.
#pragma once
#include "collector/collection.h"
#include "collector/effects.h"
#include "collector/kivhotkey.h"
#include "collector/kivwatchClipbrd.h"
#include "skin/runtime/skin_data.h"
#include "tray/RXShell.h"
#include "ui/form.h"
#include "ui/stdctrls.h"
#include "ui/timer.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

class TForm1 : public ui::TForm {
public:
    // Reads the window and its members from `description` (the form text), then FormCreate.
    TForm1(ui::TComponent* owner, std::string_view description);
    static const ui::TClassInfo& StaticClass();
    const ui::TClassInfo& ClassType() const override { return StaticClass(); }
    void Loaded() override;

    // Members, in declared order; set once the description is read.
    ui::TTimer* Timer1 = nullptr;
    ui::TButton* Button1 = nullptr;
    ui::TListBox* ListBox1 = nullptr;
    ui::TButton* Button2 = nullptr;
    ui::TMemo* Memo1 = nullptr;
    ui::TButton* Button3 = nullptr;
    TSkinData* SkinData1 = nullptr;
    tray::TRxTrayIcon* RxTrayIcon1 = nullptr;
    ui::TLabel* Label1 = nullptr;
    ui::TLabel* Label2 = nullptr;
    ui::TCheckBox* CheckBox1 = nullptr;
    ui::TComboBox* ComboBox1 = nullptr;
    ui::TLabel* Label3 = nullptr;

    void FormCreate(ui::TPersistent* Sender);
    void FormClose(ui::TPersistent* Sender, ui::TCloseAction& Action);
    void Button1Click(ui::TPersistent* Sender);
    void Button2Click(ui::TPersistent* Sender);
    void Button3Click(ui::TPersistent* Sender);
    void Timer1Timer(ui::TPersistent* Sender);
    void Label1Click(ui::TPersistent* Sender);
    void Label2Click(ui::TPersistent* Sender);
    void RxTrayIcon1Click(ui::TPersistent* Sender, ui::TMouseButton Button, ui::TShiftState Shift,
                          int X, int Y);

    void WMDrawClipboard(ui::TMessage& Message);
    void WMChangeCBChain(ui::TMessage& Message);
    void WMHotKey(ui::TMessage& Message);

    // Where the window's effects go (the real calls by default); a test records them.
    void SetEffects(collector::Effects& effects) { effects_ = &effects; }

    // A registered message by this name asks how long WMDrawClipboard has taken so far:
    // wParam 0 gives the microseconds, 1 the number of notifications. For the benchmark.
    static constexpr wchar_t kCaptureTimeQuery[] = L"Pellico.CaptureTime";
    // And this one about the embedded skin: wParam 0 gives the microseconds its load at start-up
    // took, 1 the bytes of pixels its elements hold.
    static constexpr wchar_t kSkinLoadQuery[] = L"Pellico.SkinLoadTime";
    // And this one about the start-up: wParam names a mark (ui::TStartupMark); the answer is the
    // microseconds from the process's creation to it, -1 while it is not reached.
    static constexpr wchar_t kStartupMarksQuery[] = L"Pellico.StartupMarks";
    // And this one about the paints so far: wParam is a global atom naming a window class
    // (ui/paint_timing.h); lParam 0 gives the microseconds its client paints took, 1 those of
    // its frame paints, 2 and 3 the number of each. With wParam 0 the window repaints itself
    // whole, frame and every control, before it answers, and the answer is the microseconds
    // that took.
    static constexpr wchar_t kPaintTimeQuery[] = L"Pellico.PaintTime";

private:
    template <class T> T* Member(const wchar_t* name);
    void BindMembers();
    std::optional<WORD> AfterPasteKey();
    void PasteEveryEntry();
    // The whole window repainted now (kPaintTimeQuery with wParam 0).
    std::int64_t RepaintMicroseconds();

    // The collector's state lives from FormCreate to FormClose.
    std::unique_ptr<collector::TkivwatchClipbrd> watcher_;
    std::unique_ptr<collector::TKivhotkey> hotkeys_;
    collector::Collection list_;
    HWND target_ = nullptr;
    collector::Effects* effects_ = &collector::RealEffects();
    // Set by FormClose: an F5 run that is still going ends.
    bool closed_ = false;
    // Time spent in WMDrawClipboard, in performance-counter ticks, and its calls.
    std::int64_t capture_ticks_ = 0;
    std::int32_t captures_ = 0;
};

extern TForm1* Form1;
