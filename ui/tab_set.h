// The tab set: a row of tabs hanging from its top edge, drawn by the control itself, meant to sit
// below the pages it switches. Tabs are texts; TabIndex is the selected one.
#pragma once
#include "ui/tab_controls.h"

namespace ui {

class TTabSet : public TWinControl {
public:
    explicit TTabSet(TComponent* owner);
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    TStrings* Tabs() const { return tabs_.get(); }
    int TabIndex() const { return tab_index_; }
    void SetTabIndex(int v);
    // Where tab `index` is drawn (client coordinates): side by side from the left, each as wide
    // as its text in the control's font and a margin.
    RECT TabRect(int index);
    // The tab under a client point, -1 for none.
    int IndexOfTabAt(int x, int y);
    void Loaded() override;

    TNotifyEvent OnChange;

protected:
    void WndProc(TMessage& msg) override;
    void PaintWindow(HDC dc) override;

private:
    std::unique_ptr<TTabStrings> tabs_;
    int tab_index_ = -1;
};

} // namespace ui
