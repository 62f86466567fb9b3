// The list view over the system list-view class: items with a caption and sub-items, shown as
// icons, a list or a report whose columns (a caption and a width each) head the sub-items.
#pragma once
#include "ui/collection.h"
#include "ui/win_control.h"

namespace ui {

enum class TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };

class TListColumn : public TCollectionItem {
public:
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    std::wstring Caption() const { return caption_; }
    void SetCaption(const std::wstring& v);
    int Width() const { return width_; }
    void SetWidth(int v);

private:
    std::wstring caption_;
    int width_ = 50;
};

// The sub-items of an item: every change shows the items again.
class TListSubItems : public TStringList {
public:
    explicit TListSubItems(std::function<void()> changed) : changed_(std::move(changed)) {}
    void Put(int index, const std::wstring& s) override;
    void Insert(int index, const std::wstring& s) override;
    void Delete(int index) override;
    void Clear() override;

private:
    std::function<void()> changed_;
};

class TListItem : public TCollectionItem {
public:
    TListItem();
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    std::wstring Caption() const { return caption_; }
    void SetCaption(const std::wstring& v);
    // The texts under the second and later columns of a report.
    TStrings* SubItems() const { return sub_items_.get(); }

private:
    std::wstring caption_;
    std::unique_ptr<TListSubItems> sub_items_;
};

using TListColumns = TOwnedCollection<TListColumn>;
using TListItems = TOwnedCollection<TListItem>;

class TListView : public TWinControl {
public:
    explicit TListView(TComponent* owner);
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    TViewStyle ViewStyle() const { return view_style_; }
    void SetViewStyle(TViewStyle v);
    TListColumns* Columns() const { return columns_.get(); }
    TListItems* Items() const { return items_.get(); }

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    void ScaleContents(int dpi, int fromDpi) override;

private:
    // The window's columns and items made again from the control's.
    void ShowColumns();
    void ShowItems();

    TViewStyle view_style_ = TViewStyle::vsIcon;
    std::unique_ptr<TListColumns> columns_;
    std::unique_ptr<TListItems> items_;
};

} // namespace ui
