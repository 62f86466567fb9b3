// The main window read from the description stored in Pellico.exe: every member with its stored
// settings, the skin decoded from the embedded stream, the tray icon with its stored icon; an
// F5 run that another program interrupts.
#include "app/Unit1.h"
#include "collector/application_window.h"
#include "collector/paste_pause.h"
#include "tests/support/child_process.h"
#include "tests/support/desktop.h"
#include "tests/win32/app/stored_description.h"
#include "tests/win32/collector/test_window.h"
#include "ui/application.h"
#include "ui/scale_measure.h"
#include "ui/text_codec.h"
#include "ui/win_handles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <string_view>
#include <thread>

namespace {

class MainWindow : public testing::Test {
protected:
    void SetUp() override {
        app_ = std::make_unique<ui::TApplication>();
        app_->ErrorBox = [this](const std::wstring& m) { errors_.push_back(m); };
        collector::SetApplicationWindow(app_->Handle());
        const std::string description = StoredDescription();
        ASSERT_FALSE(description.empty());
        form_ = new TForm1(app_.get(), description);
    }
    void TearDown() override {
        ui::TCloseAction action = ui::TCloseAction::caFree;
        form_->FormClose(form_, action);
        app_.reset();
    }
    std::unique_ptr<ui::TApplication> app_;
    TForm1* form_ = nullptr;
    std::vector<std::wstring> errors_;
};

TEST_F(MainWindow, WindowAsStored) {
    EXPECT_EQ(form_->Caption(), L"Pellico剪贴板");
    EXPECT_EQ(form_->ClientWidth(), 263);
    EXPECT_EQ(form_->ClientHeight(), 354);
    EXPECT_EQ(form_->FormStyle(), ui::TFormStyle::fsStayOnTop);
    EXPECT_EQ(form_->BorderStyle(), ui::TFormBorderStyle::bsDialog);
    EXPECT_EQ(form_->BorderIcons(), ui::biSystemMenu);
    EXPECT_EQ(form_->Font()->Name(), L"宋体");
    EXPECT_EQ(form_->Font()->Height(), -16);
}

TEST_F(MainWindow, MembersInCreationOrderWithTheirSettings) {
    const struct {
        const wchar_t* name;
        int left, top, width, height; // -1: sized to the text or by the system
        const wchar_t* text;
        int font_height;
        int tab_order; // -1: not a windowed control
    } members[] = {
        {L"Label1", 1, 333, -1, -1, L"Korvane软件工作室 出品", -14, -1},
        {L"Label2", 164, 333, -1, -1, L"下载更多免费软件", -12, -1},
        {L"Label3", 3, 298, -1, -1, L"按F4粘贴下一条，F5顺次全部粘贴", -16, -1},
        {L"Memo1", 7, 6, 234, 200, L"", -16, 3},
        {L"Button1", 9, 209, 59, 38, L"粘  贴", -12, 0},
        {L"ListBox1", 8, 8, 234, 195, L"", -14, 1},
        {L"Button2", 94, 209, 59, 38, L"全部粘贴", -12, 2},
        {L"Button3", 179, 209, 59, 38, L"清  空", -12, 4},
        {L"CheckBox1", 8, 255, 141, 26, L"粘贴后自动输入", -16, 5},
        // The system gives an editable combo box the height its font needs.
        {L"ComboBox1", 158, 256, 94, -1, L"Tab键", -16, 6},
    };
    std::vector<std::wstring> order;
    for (auto* c : form_->Components())
        order.push_back(c->Name());
    EXPECT_EQ(order,
              (std::vector<std::wstring>{L"Label1", L"Label2", L"Label3", L"Memo1", L"Button1",
                                         L"ListBox1", L"Button2", L"Button3", L"CheckBox1",
                                         L"ComboBox1", L"Timer1", L"SkinData1", L"RxTrayIcon1"}));
    for (const auto& m : members) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(&m - members));
        auto* c = dynamic_cast<ui::TControl*>(form_->FindComponent(m.name));
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->Left(), m.left);
        EXPECT_EQ(c->Top(), m.top);
        if (m.width >= 0) {
            EXPECT_EQ(c->Width(), m.width);
        }
        if (m.height >= 0) {
            EXPECT_EQ(c->Height(), m.height);
        }
        EXPECT_EQ(c->Caption(), m.text);
        EXPECT_EQ(c->Font()->Height(), m.font_height);
        EXPECT_EQ(c->Font()->Name(), L"宋体");
        if (auto* w = dynamic_cast<ui::TWinControl*>(c)) {
            EXPECT_EQ(w->TabOrder(), m.tab_order);
        }
    }
    EXPECT_EQ(form_->Label1->Font()->Color(), ui::TColor(0xFF00FF));
    EXPECT_EQ(form_->Label2->Font()->Color(), ui::TColor(0xFF0000)); // blue
    EXPECT_TRUE(form_->Label2->Font()->Style() & ui::fsUnderline);
    EXPECT_FALSE(form_->Memo1->Visible());
    EXPECT_EQ(form_->Memo1->ScrollBars(), ui::TScrollStyle::ssBoth);
    EXPECT_EQ(form_->ListBox1->ItemHeight(), 14);
    EXPECT_EQ(form_->ListBox1->Items()->Count(), 0);
    EXPECT_FALSE(form_->CheckBox1->Checked());
    std::vector<std::wstring> keys;
    for (int i = 0; i < form_->ComboBox1->Items()->Count(); ++i)
        keys.push_back(form_->ComboBox1->Items()->Get(i));
    EXPECT_EQ(keys, (std::vector<std::wstring>{L"Tab键", L"回车键", L"空格键", L"左光标键",
                                               L"下光标键"}));
    EXPECT_EQ(form_->ComboBox1->ItemIndex(), 0);
    EXPECT_EQ(form_->Timer1->Interval(), 100u);
    EXPECT_TRUE(form_->Timer1->Enabled());
}

// The extent of a control's caption in the control's own font.
SIZE CaptionExtent(const ui::TControl& control) {
    const std::wstring text = control.Caption();
    const ui::WindowDC screen(nullptr);
    const ui::Selection font(screen.dc(), control.Font()->Handle());
    SIZE size{};
    GetTextExtentPoint32W(screen.dc(), text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

// The window laid out again at 125, 150 and 200 %, as it is on such a display: every caption
// fits its control in the control's own font (the buttons' inside a margin of 4 scaled pixels,
// the check box's beside its 13-pixel box and a gap of 3), the two labels at the bottom keep
// apart and every label stays inside the window.
TEST_F(MainWindow, TextsFitTheirControlsAtEveryDensity) {
    for (const int dpi : {120, 144, 192}) {
        SCOPED_TRACE(dpi);
        ui::TCloseAction action = ui::TCloseAction::caFree;
        form_->FormClose(form_, action);
        ui::Free(form_);
        form_ = new TForm1(app_.get(), StoredDescription());
        form_->ScaleForDpi(dpi);
        const auto scaled = [dpi](int pixels) { return ScaleMeasure(pixels, dpi); };
        for (const ui::TButton* b : {form_->Button1, form_->Button2, form_->Button3}) {
            const SIZE text = CaptionExtent(*b);
            EXPECT_LE(text.cx, b->Width() - 2 * scaled(4)) << ui::WideToUtf8(b->Caption());
            EXPECT_LE(text.cy, b->Height() - 2 * scaled(4)) << ui::WideToUtf8(b->Caption());
        }
        const SIZE check = CaptionExtent(*form_->CheckBox1);
        EXPECT_LE(scaled(13) + scaled(3) + check.cx, form_->CheckBox1->Width());
        EXPECT_LE(check.cy, form_->CheckBox1->Height());
        for (const ui::TLabel* l : {form_->Label1, form_->Label2, form_->Label3}) {
            const SIZE text = CaptionExtent(*l);
            EXPECT_LE(text.cx, l->Width()) << ui::WideToUtf8(l->Caption());
            EXPECT_LE(text.cy, l->Height()) << ui::WideToUtf8(l->Caption());
            EXPECT_GE(l->Left(), 0);
            EXPECT_LE(l->Left() + l->Width(), form_->ClientWidth()) << ui::WideToUtf8(l->Caption());
            EXPECT_LE(l->Top() + l->Height(), form_->ClientHeight())
                << ui::WideToUtf8(l->Caption());
        }
        EXPECT_LE(form_->Label1->Left() + form_->Label1->Width(), form_->Label2->Left());
        EXPECT_LE(form_->Label3->Top() + form_->Label3->Height(), form_->Label1->Top());
    }
}

TEST_F(MainWindow, SkinDecodedFromTheEmbeddedStream) {
    TSkinData& skin = *form_->SkinData1;
    EXPECT_TRUE(skin.SkinLoaded());
    EXPECT_TRUE(skin.Active());
    EXPECT_EQ(skin.DisableTag, 99);
    EXPECT_EQ(skin.SkinFormtype, sfMainform);
    EXPECT_TRUE(skin.MenuUpdate);
    EXPECT_FALSE(skin.MenuMerge);
    EXPECT_EQ(skin.Skin3rd().size(), 117u);
    EXPECT_EQ(skin.Skin3rd().front(), "TCategoryButtons=scrollbar");
    EXPECT_EQ(skin.Skin3rd()[1], "TPngBitBtn=pngbitbtn");
    EXPECT_EQ(
        std::count(skin.Skin3rd().begin(), skin.Skin3rd().end(), "TPngSpeedbutton=pngspeedbutton"),
        0);
}

TEST_F(MainWindow, TrayIconWithItsStoredIconAndHint) {
    EXPECT_EQ(form_->RxTrayIcon1->Hint(), L"多次复制剪贴板");
    ASSERT_NE(form_->RxTrayIcon1->Icon(), nullptr);
    EXPECT_FALSE(form_->RxTrayIcon1->Icon()->Empty());
    // In the notification area once the messages waiting (the window's paints) are handled.
    EXPECT_TRUE(testing_desktop::PumpUntil([&] { return form_->RxTrayIcon1->Added(); }));
    EXPECT_TRUE(static_cast<bool>(form_->RxTrayIcon1->OnClick));
}

// The effects of an F5 run, recorded. At the first pause between pastes another thread sends
// the window a message, which the pause answers as the real one would.
class InterruptedRun final : public collector::Effects {
public:
    InterruptedRun(HWND to, UINT message) : to_(to), message_(message) {}
    std::vector<std::wstring> pasted;

    void WriteClipboard(const std::wstring& text) override { pasted.push_back(text); }
    void WriteClipboardOnRequest(const std::wstring& text) override { pasted.push_back(text); }
    void WaitForPaste() override {
        if (sent_) return;
        sent_ = true;
        std::atomic<bool> answered = false;
        std::thread other([&] {
            SendMessageW(to_, message_, 0, 0);
            answered = true;
        });
        collector::AnswerSentMessagesUntil([&] { return answered.load(); },
                                           std::chrono::milliseconds(0), std::chrono::seconds(5));
        other.join();
    }
    void BringToFront(HWND) override {}
    void KeyEvent(BYTE, BYTE, DWORD) override {}
    int ShowMessage(HWND, const std::wstring&, const std::wstring&, UINT) override { return IDOK; }
    INT_PTR OpenShell(HWND, const std::wstring&, const std::wstring&, const std::wstring&,
                      int) override {
        return 0;
    }

private:
    HWND to_;
    UINT message_;
    bool sent_ = false;
};

TEST_F(MainWindow, F5RunStopsWhereAMessageSentDuringItLeavesTheList) {
    const collector_test::CleanClipboard clean;
    collector_test::TestWindow other_program;
    struct Case {
        const char* name;
        HWND to;
        UINT message;
        int items_left;
    } const cases[] = {
        // "清  空" clicked by another program: the list ends after the first entry.
        {"clear", form_->Button3->Handle(), BM_CLICK, 0},
        // The window closed by another program: the run ends with it.
        {"close", form_->Handle(), WM_CLOSE, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        errors_.clear();
        for (const wchar_t* text : {L"一", L"二", L"三"})
            collector_test::PlaceOnClipboard(other_program.get(),
                                             {{CF_UNICODETEXT, collector_test::WideBytes(text)}});
        ASSERT_TRUE(testing_desktop::PumpUntil(
            [&] { return form_->ListBox1->Items()->Count() == 3; }, std::chrono::seconds(5)));
        InterruptedRun run(c.to, c.message);
        form_->SetEffects(run);
        SendMessageW(form_->Handle(), WM_HOTKEY, 2, MAKELPARAM(0, VK_F5));
        form_->SetEffects(collector::RealEffects());
        EXPECT_EQ(run.pasted, std::vector<std::wstring>{L"一"});
        EXPECT_EQ(errors_, std::vector<std::wstring>{});
        EXPECT_EQ(form_->ListBox1->Items()->Count(), c.items_left);
    }
}

} // namespace
