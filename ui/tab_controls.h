// Tab controls: what the system's tab control gives every tabbed control of the library (the
// side of the tabs, tabs or buttons, the selected tab and its change), and the tab control whose
// tabs are a list of texts.
#pragma once
#include "ui/string_list.h"
#include "ui/win_control.h"

#include <functional>
#include <vector>

namespace ui {

enum class TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
enum class TTabStyle { tsTabs, tsButtons, tsFlatButtons };

class TCustomTabControl : public TWinControl {
public:
    explicit TCustomTabControl(TComponent* owner);
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    TTabPosition TabPosition() const { return tab_position_; }
    void SetTabPosition(TTabPosition v);
    TTabStyle Style() const { return style_; }
    void SetStyle(TTabStyle v);
    // The selected tab, -1 for none.
    int TabIndex() const { return tab_index_; }
    void SetTabIndex(int v);
    // The area inside the tabs and the frame, in client coordinates.
    RECT DisplayRect();
    // The tab under a client point, -1 for none.
    int IndexOfTabAt(int x, int y);

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    void WndProc(TMessage& msg) override;
    // The texts of the tabs, in order.
    virtual std::vector<std::wstring> TabTexts() const = 0;
    // The tabs changed: the window shows the texts again, the selection kept where it can be.
    void TabsChanged();
    // The selected tab changed, by the user or by TabIndex.
    virtual void SelectionChanged() {}
    // The user chose another tab: OnChange.
    virtual void Change();
    // The window was resized or made: the display area may have moved.
    virtual void DisplayChanged() {}

private:
    void FillTabs();
    TTabPosition tab_position_ = TTabPosition::tpTop;
    TTabStyle style_ = TTabStyle::tsTabs;
    int tab_index_ = -1;
};

// The tab texts of a tabbed control: it hears of every change, to show it.
class TTabStrings : public TStringList {
public:
    explicit TTabStrings(std::function<void()> changed) : changed_(std::move(changed)) {}
    void Put(int index, const std::wstring& s) override;
    void Insert(int index, const std::wstring& s) override;
    void Delete(int index) override;
    void Clear() override;

private:
    std::function<void()> changed_;
};

// A tab control whose tabs are texts; the pages are the program's to show.
class TTabControl : public TCustomTabControl {
public:
    explicit TTabControl(TComponent* owner);
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    TStrings* Tabs() const { return tabs_.get(); }
    void Loaded() override;

protected:
    std::vector<std::wstring> TabTexts() const override;

private:
    std::unique_ptr<TTabStrings> tabs_;
};

} // namespace ui
