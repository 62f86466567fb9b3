// The status bar: a row of panels along a window's edge (each with its text, width, bevel,
// alignment, or drawn by the program), or one simple panel over the whole bar; a size grip at
// its right end when asked for.
#pragma once
#include "ui/collection.h"
#include "ui/stdctrls.h"

#include <memory>
#include <vector>

namespace ui {

enum class TStatusPanelBevel { pbNone, pbLowered, pbRaised };
enum class TStatusPanelStyle { psText, psOwnerDraw };

class TStatusPanels;

class TStatusPanel : public TPersistent {
public:
    explicit TStatusPanel(TStatusPanels& panels) : panels_(panels) {}
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    std::wstring Text() const { return text_; }
    void SetText(const std::wstring& v);
    int Width() const { return width_; }
    void SetWidth(int v);
    TStatusPanelBevel Bevel() const { return bevel_; }
    void SetBevel(TStatusPanelBevel v);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v);
    TStatusPanelStyle Style() const { return style_; }
    void SetStyle(TStatusPanelStyle v);

private:
    TStatusPanels& panels_;
    std::wstring text_;
    int width_ = 50;
    TStatusPanelBevel bevel_ = TStatusPanelBevel::pbLowered;
    TAlignment alignment_ = TAlignment::taLeftJustify;
    TStatusPanelStyle style_ = TStatusPanelStyle::psText;
};

class TStatusBar;

// The panels, left to right; every change reaches the bar's window.
class TStatusPanels : public TCollection {
public:
    explicit TStatusPanels(TStatusBar& bar) : bar_(bar) {}
    int Count() const override { return static_cast<int>(panels_.size()); }
    TStatusPanel* Item(int index) const override;
    TPersistent* AddItem() override { return Add(); }
    void Clear() override;
    TStatusPanel* Add();
    void Changed();

private:
    TStatusBar& bar_;
    std::vector<std::unique_ptr<TStatusPanel>> panels_;
};

// Asks the program to draw an owner-drawn panel into `rect` of `canvas`.
using TDrawPanelEvent = std::function<void(TPersistent* sender, TStatusPanel* panel,
                                           TCanvas& canvas, const RECT& rect)>;

class TStatusBar : public TWinControl {
public:
    explicit TStatusBar(TComponent* owner);
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    TStatusPanels* Panels() const { return panels_.get(); }
    bool SimplePanel() const { return simple_panel_; }
    void SetSimplePanel(bool v);
    std::wstring SimpleText() const { return simple_text_; }
    void SetSimpleText(const std::wstring& v);
    bool SizeGrip() const { return size_grip_; }
    void SetSizeGrip(bool v);
    TDrawPanelEvent OnDrawPanel;

    // Puts the panels into the window (their edges, texts and looks).
    void UpdatePanels();

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override { UpdatePanels(); }
    void WndProc(TMessage& msg) override;
    void ScaleContents(int dpi, int fromDpi) override;

private:
    void DrawPanel(const DRAWITEMSTRUCT& item);
    std::unique_ptr<TStatusPanels> panels_;
    bool simple_panel_ = false;
    std::wstring simple_text_;
    bool size_grip_ = true;
};

} // namespace ui
