// More button controls: radio buttons and the radio group that holds a column of them, the
// glyph button (a push button with a picture beside its caption) and the speed button (a
// button without a window of its own, painted by its parent).
#pragma once
#include "ui/glyph_layout.h"
#include "ui/image_list.h"
#include "ui/prop_builders.h"
#include "ui/stdctrls.h"

namespace ui {

class TRadioButton : public TButtonControl {
public:
    explicit TRadioButton(TComponent* owner);
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    bool Checked() const { return checked_; }
    // Checking one unchecks the radio buttons beside it (same parent) and fires OnClick.
    void SetChecked(bool v);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v);

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    void Clicked() override { SetChecked(true); }

private:
    bool checked_ = false;
    TAlignment alignment_ = TAlignment::taRightJustify;
};

class TRadioGroup;

// The group's items: any change lays its buttons out again.
class TRadioGroupItems : public TStringList {
public:
    explicit TRadioGroupItems(TRadioGroup& group) : group_(group) {}
    void Put(int index, const std::wstring& s) override;
    void Insert(int index, const std::wstring& s) override;
    void Delete(int index) override;
    void Clear() override;

private:
    TRadioGroup& group_;
};

// A group box with one radio button per item, in a column; ItemIndex is the checked one.
class TRadioGroup : public TWinControl {
public:
    explicit TRadioGroup(TComponent* owner);
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    TStrings* Items() const { return items_.get(); }
    int ItemIndex() const { return item_index_; }
    void SetItemIndex(int v);
    TRadioButton* Button(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }
    void SetBounds(int left, int top, int width, int height) override;
    void Loaded() override;

protected:
    friend class TRadioGroupItems;
    void CreateParams(TCreateParams& params) override;
    // The group places its buttons itself, at its density.
    void ScaleContents(int dpi, int fromDpi) override;
    // One button per item, placed in a column under the caption.
    void UpdateButtons();

private:
    void ArrangeButtons();
    std::unique_ptr<TRadioGroupItems> items_;
    std::vector<TRadioButton*> buttons_;
    int item_index_ = -1;
};

// The glyph strip beside a button's caption (pictures in order: up, disabled, pressed, held down)
// and where it goes: what glyph buttons and speed buttons share.
class TButtonGlyph {
public:
    TButtonGlyph() : glyph_(std::make_unique<TBitmap>()) {}
    virtual ~TButtonGlyph() = default;
    TButtonGlyph(const TButtonGlyph&) = delete;
    TButtonGlyph& operator=(const TButtonGlyph&) = delete;

    TBitmap* Glyph() const { return glyph_.get(); }
    int NumGlyphs() const { return num_glyphs_; }
    void SetNumGlyphs(int v);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout v);
    int Margin() const { return margin_; }
    void SetMargin(int v);
    int Spacing() const { return spacing_; }
    void SetSpacing(int v);
    // Without a glyph, the picture `ImageIndex` of `Images` (-1: none), or `DisabledIndex` (-1:
    // the same one) for a disabled button, drawn in the list's disabled style.
    TImageListComponent* Images() const { return images_; }
    void SetImages(TImageListComponent* v);
    int ImageIndex() const { return image_index_; }
    void SetImageIndex(int v);
    int DisabledIndex() const { return disabled_index_; }
    void SetDisabledIndex(int v);

    // The glyph properties of class C (which derives from this).
    template <class C> static std::vector<PropInfo> Props();

protected:
    // Glyph and caption laid out in `rect` and drawn, the glyph strip's picture `index`.
    void DrawFace(HDC dc, const std::wstring& caption, const RECT& rect, int index);
    // The glyph and the layout's measures (a given margin and spacing) at `dpi`, from `fromDpi`;
    // the image list scales with the form that owns it.
    void ScaleGlyph(int dpi, int fromDpi);
    virtual void GlyphChanged() = 0;
    // What the class's Notification passes on: the image list may be going away.
    void GlyphNotification(TComponent* component, TOperation operation);

private:
    // The picture beside the caption: the glyph's size, or the image list's.
    TGlyphSize PictureSize() const;
    void DrawPicture(HDC dc, int index, int x, int y);

    std::unique_ptr<TBitmap> glyph_;
    int num_glyphs_ = 1;
    TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
    int margin_ = -1;
    int spacing_ = 4;
    TImageListComponent* images_ = nullptr;
    int image_index_ = -1;
    int disabled_index_ = -1;
};

template <class C> std::vector<PropInfo> TButtonGlyph::Props() {
    return {
        props::Object<C, TBitmap>(L"Glyph", &C::Glyph),
        props::Integer<C, int>(L"NumGlyphs", &C::NumGlyphs, &C::SetNumGlyphs),
        props::Enum<C, TButtonLayout>(
            L"Layout", {L"blGlyphLeft", L"blGlyphRight", L"blGlyphTop", L"blGlyphBottom"},
            &C::Layout, &C::SetLayout),
        props::Integer<C, int>(L"Margin", &C::Margin, &C::SetMargin),
        props::Integer<C, int>(L"Spacing", &C::Spacing, &C::SetSpacing),
        props::Reference<C, TImageListComponent>(L"Images", &C::Images, &C::SetImages),
        props::Integer<C, int>(L"ImageIndex", &C::ImageIndex, &C::SetImageIndex),
        props::Integer<C, int>(L"DisabledIndex", &C::DisabledIndex, &C::SetDisabledIndex),
    };
}

// A push button with a glyph beside its caption, drawn by the button itself.
class TBitBtn : public TButton, public TButtonGlyph {
public:
    explicit TBitBtn(TComponent* owner);
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    enum class TKind {
        bkCustom,
        bkOK,
        bkCancel,
        bkHelp,
        bkYes,
        bkNo,
        bkClose,
        bkAbort,
        bkRetry,
        bkIgnore,
        bkAll
    };

    // A stock kind gives the button its modal result's meaning: OK and Yes are the default
    // button, Cancel and No the cancel one.
    TKind Kind() const { return kind_; }
    void SetKind(TKind v);

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& msg) override;
    void ShowDefault(bool v) override;
    void ScaleContents(int dpi, int fromDpi) override;
    void GlyphChanged() override { Invalidate(); }
    void Notification(TComponent* component, TOperation operation) override;

private:
    void DrawItem(const DRAWITEMSTRUCT& item);
    TKind kind_ = TKind::bkCustom;
};

class TSpeedButton : public TGraphicControl, public TButtonGlyph {
public:
    explicit TSpeedButton(TComponent* owner);
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    bool Flat() const { return flat_; }
    void SetFlat(bool v);
    // Held down: with a group index other than 0 a click keeps the button down (and lets the
    // other buttons of the group up).
    bool Down() const { return down_; }
    void SetDown(bool v);
    int GroupIndex() const { return group_index_; }
    void SetGroupIndex(int v) { group_index_ = v; }
    void Paint(TCanvas& canvas) override;
    void Click() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

protected:
    void ScaleContents(int dpi, int fromDpi) override;
    void GlyphChanged() override { Invalidate(); }
    void Notification(TComponent* component, TOperation operation) override;

private:
    bool flat_ = false;
    bool down_ = false;
    bool pushed_ = false; // the left button is held on it
    int group_index_ = 0;
};

// Picture `index` (from 1; the first when the strip has fewer) of a strip of `count` glyphs drawn
// at (x, y) with the colour of the strip's bottom-left pixel left out; a single glyph asked for
// as the disabled one (2) is drawn embossed instead.
void DrawGlyph(HDC dc, TBitmap& glyph, int count, int index, int x, int y);
// The picture of an image list a glyph button shows without a glyph: `imageIndex` (none when
// it is -1); disabled, `disabledIndex` (or `imageIndex` when that is -1) in the list's disabled
// style.
void DrawListPicture(HDC dc, const TImageListComponent& images, int imageIndex, int disabledIndex,
                     bool disabled, int x, int y);
// A picture shown disabled: the w x h picture at (sx, 0) of `source`, `key` left out, drawn at
// (x, y) as its shape embossed in the highlight and shadow colours on the button face.
void DrawEmbossed(HDC dc, HDC source, int sx, int w, int h, COLORREF key, int x, int y);

} // namespace ui
