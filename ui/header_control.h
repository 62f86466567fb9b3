// The header control: a row of sections (a text, a width and an alignment each) over the system
// header class; clicking a section reports it, dragging a divider changes its width.
#pragma once
#include "ui/collection.h"
#include "ui/stdctrls.h"

namespace ui {

class THeaderSection : public TCollectionItem {
public:
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    std::wstring Text() const { return text_; }
    void SetText(const std::wstring& v);
    int Width() const { return width_; }
    void SetWidth(int v);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v);

private:
    friend class THeaderControl;
    std::wstring text_;
    int width_ = 50;
    TAlignment alignment_ = TAlignment::taLeftJustify;
};

using THeaderSections = TOwnedCollection<THeaderSection>;
using TSectionNotifyEvent = std::function<void(TPersistent* sender, THeaderSection* section)>;

class THeaderControl : public TWinControl {
public:
    explicit THeaderControl(TComponent* owner);
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    THeaderSections* Sections() const { return sections_.get(); }

    TSectionNotifyEvent OnSectionClick;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    void WndProc(TMessage& msg) override;
    void ScaleContents(int dpi, int fromDpi) override;

private:
    // The window's items made again from the sections.
    void ShowSections();

    std::unique_ptr<THeaderSections> sections_;
    // A width the user dragged is taken into its section without showing the sections again.
    bool taking_width_ = false;
};

} // namespace ui
