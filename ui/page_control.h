// Page controls: a tab control whose tabs are its pages (tab sheets, windows inside it), one page
// shown at a time. A sheet joins through its PageControl (a description places it inside the
// page control); a sheet that goes away takes its tab with it.
#pragma once
#include "ui/tab_controls.h"

namespace ui {

class TPageControl;

class TTabSheet : public TWinControl {
public:
    explicit TTabSheet(TComponent* owner);
    ~TTabSheet() override;
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    TPageControl* PageControl() const { return page_control_; }
    void SetPageControl(TPageControl* v);
    // Its place among the pages, -1 outside a page control.
    int PageIndex() const;
    void SetParentComponent(TComponent* parent) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void TextChanged() override;

private:
    friend class TPageControl;
    TPageControl* page_control_ = nullptr;
};

class TPageControl : public TCustomTabControl {
public:
    explicit TPageControl(TComponent* owner);
    ~TPageControl() override;
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    int PageCount() const { return static_cast<int>(pages_.size()); }
    TTabSheet* Pages(int index) const { return pages_.at(static_cast<std::size_t>(index)); }
    TTabSheet* ActivePage() const;
    // A page of this control, or none (no page shown).
    void SetActivePage(TTabSheet* page);
    int ActivePageIndex() const { return TabIndex(); }
    void SetActivePageIndex(int v);
    void Loaded() override;

protected:
    friend class TTabSheet;
    std::vector<std::wstring> TabTexts() const override;
    void SelectionChanged() override;
    void DisplayChanged() override;
    void InsertPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);

private:
    // The active page shown over the display area, every other page hidden.
    void ShowActivePage();
    std::vector<TTabSheet*> pages_;
};

} // namespace ui
