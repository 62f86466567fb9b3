// The standard controls: label, push button, check box, combo box, list box, memo and edit.
// Each superclasses its system class; a new kind needs its create params, the messages it
// reflects back and its properties.
#pragma once
#include "ui/string_list.h"
#include "ui/win_control.h"

namespace ui {

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* owner);
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    bool AutoSize() const { return auto_size_; }
    void SetAutoSize(bool v);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);
    bool WordWrap() const { return word_wrap_; }
    void SetWordWrap(bool v);
    void Paint(TCanvas& canvas) override;
    void Loaded() override;
    // Sizes the label to its text in its font (when AutoSize is on).
    void AdjustBounds();

protected:
    void TextChanged() override { AdjustBounds(); }
    void FontChanged() override;
    UINT DrawFormat() const;

private:
    bool auto_size_ = true;
    TAlignment alignment_ = TAlignment::taLeftJustify;
    bool transparent_ = false;
    bool word_wrap_ = false;
};

class TButtonControl : public TWinControl {
public:
    explicit TButtonControl(TComponent* owner);
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

protected:
    void WndProc(TMessage& msg) override;
    // Alt+letter of the caption's accelerator (the letter after '&').
    bool IsAccel(std::uintptr_t ch) const;
    virtual void Clicked() = 0;
};

class TButton : public TButtonControl {
public:
    explicit TButton(TComponent* owner);
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    bool Default() const { return default_; }
    void SetDefault(bool v);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool v) { cancel_ = v; }

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& msg) override;
    void Clicked() override { Click(); }
    // Shows the button as the form's default one (or not).
    virtual void ShowDefault(bool v);

private:
    bool default_ = false;
    bool cancel_ = false;
};

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TCheckBox : public TButtonControl {
public:
    explicit TCheckBox(TComponent* owner);
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    bool Checked() const { return state_ == TCheckBoxState::cbChecked; }
    void SetChecked(bool v) {
        SetState(v ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked);
    }
    TCheckBoxState State() const { return state_; }
    void SetState(TCheckBoxState v);
    bool AllowGrayed() const { return allow_grayed_; }
    void SetAllowGrayed(bool v) { allow_grayed_ = v; }
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v);

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    void Clicked() override;

private:
    TCheckBoxState state_ = TCheckBoxState::cbUnchecked;
    bool allow_grayed_ = false;
    TAlignment alignment_ = TAlignment::taRightJustify;
};

// Item lists of list boxes and combo boxes. While the window exists it is the one record of
// the items: every read and write goes to it, so a long list is not held twice. Without a
// window (not made yet, or between an old window and its replacement) they are kept here and
// handed to the next window.
class TListControlItems : public TStrings {
public:
    struct Messages {
        UINT add, insert, remove, reset, set_sel, get_sel, count, text_length, text;
    };
    TListControlItems(TWinControl& control, Messages m) : control_(control), m_(m) {}
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    int Count() const override;
    std::wstring Get(int index) const override;
    void Put(int index, const std::wstring& s) override;
    void Insert(int index, const std::wstring& s) override;
    int Add(const std::wstring& s) override;
    void Delete(int index) override;
    void Clear() override;
    // Hands the kept items to a freshly made window, which holds them from then on.
    void MoveToWindow(HWND wnd);
    // Keeps the items of a window that is about to go.
    void MoveFromWindow(HWND wnd);
    const Messages& Msgs() const { return m_; }

private:
    HWND Wnd() const { return control_.HandleAllocated() ? control_.Handle() : nullptr; }
    std::wstring ItemText(HWND wnd, int index) const;
    void InsertInto(HWND wnd, int index, const std::wstring& s);
    int AddTo(HWND wnd, const std::wstring& s);
    TWinControl& control_;
    Messages m_;
    TStringList kept_;
};

// What list boxes and combo boxes share: items (unsorted, in the order added), the selected
// index, the item height.
class TCustomListControl : public TWinControl {
public:
    TCustomListControl(TComponent* owner, TListControlItems::Messages m);
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    TStrings* Items() const { return items_.get(); }
    int ItemIndex() const;
    void SetItemIndex(int v);
    int ItemHeight() const { return item_height_; }
    void SetItemHeight(int v);
    TNotifyEvent OnChange;
    TNotifyEvent OnDblClick;

protected:
    void InitializeWnd() override;
    void SaveWndState() override;
    void ScaleContents(int dpi, int fromDpi) override;
    virtual void ApplyItemHeight() = 0;

    std::unique_ptr<TListControlItems> items_;
    int item_index_ = -1;
    int item_height_ = 0;
};

enum class TComboBoxStyle {
    csDropDown,
    csSimple,
    csDropDownList,
    csOwnerDrawFixed,
    csOwnerDrawVariable
};

class TComboBox : public TCustomListControl {
public:
    explicit TComboBox(TComponent* owner);
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle v);
    int DropDownCount() const { return drop_down_count_; }
    void SetDropDownCount(int v);
    bool DroppedDown() const;
    void SetDroppedDown(bool v);
    void SetBounds(int left, int top, int width, int height) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    void WndProc(TMessage& msg) override;
    void ApplyItemHeight() override;

private:
    int DroppedHeight() const;
    TComboBoxStyle style_ = TComboBoxStyle::csDropDown;
    int drop_down_count_ = 8;
};

class TListBox : public TCustomListControl {
public:
    explicit TListBox(TComponent* owner);
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& msg) override;
    void ApplyItemHeight() override;
};

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
// A control's own border: none, or the sunken edge.
enum class TBorderStyle { bsNone, bsSingle };

class TCustomEdit : public TWinControl {
public:
    explicit TCustomEdit(TComponent* owner);
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    bool ReadOnly() const { return read_only_; }
    void SetReadOnly(bool v);
    int MaxLength() const { return max_length_; }
    void SetMaxLength(int v);
    TBorderStyle BorderStyle() const { return border_style_; }
    void SetBorderStyle(TBorderStyle v);
    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    void WndProc(TMessage& msg) override;

private:
    bool read_only_ = false;
    int max_length_ = 0;
    TBorderStyle border_style_ = TBorderStyle::bsSingle;
};

class TEdit : public TCustomEdit {
public:
    using TCustomEdit::TCustomEdit;
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }
};

class TMemo;

// A memo's lines live in its window and follow the multi-line edit's own rules: lines end at
// CR LF, and a last empty line is not counted (the empty text has no lines).
class TMemoLines : public TStrings {
public:
    explicit TMemoLines(TMemo& memo) : memo_(memo) {}
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    int Count() const override;
    std::wstring Get(int index) const override;
    void Insert(int index, const std::wstring& s) override;
    void Delete(int index) override;
    void Clear() override;
    // The whole text goes into the window as it is.
    void SetText(const std::wstring& text) override;
    std::wstring Text() const override;
    void SetLines(const std::vector<std::wstring>& lines) override;

private:
    // The memo's window, made on first use: the lines exist only there.
    HWND Wnd() const;
    TMemo& memo_;
};

class TMemo : public TCustomEdit {
public:
    explicit TMemo(TComponent* owner);
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    TStrings* Lines() const { return lines_.get(); }
    TScrollStyle ScrollBars() const { return scroll_bars_; }
    void SetScrollBars(TScrollStyle v);
    bool WordWrap() const { return word_wrap_; }
    void SetWordWrap(bool v);
    bool WantReturns() const { return want_returns_; }
    void SetWantReturns(bool v) { want_returns_ = v; }
    bool WantTabs() const { return want_tabs_; }
    void SetWantTabs(bool v) { want_tabs_ = v; }

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& msg) override;

private:
    std::unique_ptr<TMemoLines> lines_;
    TScrollStyle scroll_bars_ = TScrollStyle::ssNone;
    bool word_wrap_ = true;
    bool want_returns_ = true;
    bool want_tabs_ = false;
};

} // namespace ui

namespace ui {
// Makes the standard controls and the timer known to descriptions by class name (the
// application object does this when it is made).
void RegisterStandardClasses();
} // namespace ui
