// TSkinListView: a list view's scroll bars skinned as any scroll host's, its header (the
// column captions of a report) skinned by a header companion of its own, attached by handle, and
// its selected items in the skin's selection colours (through its custom draw).
#pragma once

#include "skin/controls/headers/skin_header.h"
#include "skin/controls/scroll/skin_scrollbar.h"

#include <commctrl.h>

#include <optional>

class TSkinListView : public TSkinScrollbar {
public:
    using TSkinScrollbar::TSkinScrollbar;
    static const ui::TClassInfo& StaticClass();
    const ui::TClassInfo& ClassType() const override { return StaticClass(); }

    void AttachScrollHost(ui::TControl* control, TSkinData* skin, TSkinControlHost* form,
                          ui::TCanvas* canvas) override;
    void Detach() override;
    bool BeforeMessage(ui::TMessage& msg) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

    TSkinHeader* Header() const { return header_; }

protected:
    void SkinActivityChanged() override;

private:
    // The header companion, once the list view has a header (a list view made in another view
    // makes its header when it first shows a report).
    void AttachHeader();
    // The answer to the list view's own custom draw, or none where the list view's default
    // stands: a selected item shown highlighted is given the skin's colours instead.
    std::optional<LRESULT> SelectionDraw(NMLVCUSTOMDRAW& draw) const;

    // Owned by this object alone: the form does not list it (it skins no control of its), so it
    // is made, detached and freed with this one.
    TSkinHeader* header_ = nullptr;
    ui::TCanvas* sharedCanvas_ = nullptr;
};
