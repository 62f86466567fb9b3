// Small components for the portable class-library tests: one of each property kind, a
// nested object for property paths, a container that takes children, and binary data.
#pragma once
#include "ui/collection.h"
#include "ui/component.h"
#include "ui/constants.h"
#include "ui/prop_builders.h"
#include "ui/string_list.h"

#include <memory>
#include <vector>

namespace fixture {

using namespace ui;

class TPen : public TPersistent {
public:
    static const TClassInfo& StaticClass() {
        static const TClassInfo info(L"TPen", &TPersistent::StaticClass(),
                                     {props::Integer(L"Width", &TPen::Width, &TPen::SetWidth)});
        return info;
    }
    const TClassInfo& ClassType() const override { return StaticClass(); }
    int Width() const { return width_; }
    void SetWidth(int v) { width_ = v; }

private:
    int width_ = 1;
};

// A collection of pens, as a control keeps its panels.
class TPens : public TCollection {
public:
    int Count() const override { return static_cast<int>(pens_.size()); }
    TPersistent* Item(int index) const override {
        return index >= 0 && index < Count() ? pens_[static_cast<std::size_t>(index)].get()
                                             : nullptr;
    }
    TPersistent* AddItem() override { return pens_.emplace_back(std::make_unique<TPen>()).get(); }
    void Clear() override { pens_.clear(); }

private:
    std::vector<std::unique_ptr<TPen>> pens_;
};

enum class TShape { stCircle, stSquare, stRoundRect };

class TWidget : public TComponent {
public:
    explicit TWidget(TComponent* owner) : TComponent(owner) {}
    static const TClassInfo& StaticClass() {
        using C = TWidget;
        static const TClassInfo info(
            L"TWidget", &TComponent::StaticClass(),
            {
                props::Integer(L"Size", &C::Size, &C::SetSize),
                props::Integer(L"Color", &C::Color, &C::SetColor, ColorIdents()),
                props::Boolean(L"Visible", &C::Visible, &C::SetVisible),
                props::Enum(L"Shape", {L"stCircle", L"stSquare", L"stRoundRect"}, &C::Shape,
                            &C::SetShape),
                props::Set(L"Edges", {L"beLeft", L"beTop", L"beRight", L"beBottom"}, &C::Edges,
                           &C::SetEdges),
                props::String(L"Caption", &C::Caption, &C::SetCaption),
                props::Object(L"Pen", &C::Pen),
                props::Object(L"Items", &C::Items),
                props::Object(L"Pens", &C::Pens),
                props::Reference(L"Buddy", &C::Buddy, &C::SetBuddy),
                props::Event(L"OnClick", &C::OnClick),
            });
        return info;
    }
    const TClassInfo& ClassType() const override { return StaticClass(); }

    int Size() const { return size_; }
    void SetSize(int v) {
        if (v < 0) throw std::invalid_argument("negative size");
        size_ = v;
    }
    TColor Color() const { return color_; }
    void SetColor(TColor v) { color_ = v; }
    bool Visible() const { return visible_; }
    void SetVisible(bool v) { visible_ = v; }
    TShape Shape() const { return shape_; }
    void SetShape(TShape v) { shape_ = v; }
    std::uint32_t Edges() const { return edges_; }
    void SetEdges(std::uint32_t v) { edges_ = v; }
    std::wstring Caption() const { return caption_; }
    void SetCaption(const std::wstring& v) { caption_ = v; }
    TPen* Pen() const { return pen_.get(); }
    TStrings* Items() const { return items_.get(); }
    TPens* Pens() const { return pens_.get(); }
    TWidget* Buddy() const { return buddy_; }
    void SetBuddy(TWidget* v) { buddy_ = v; }
    TNotifyEvent OnClick;

    // Where the description reader placed it, and the data it was given.
    TComponent* parent = nullptr;
    std::vector<std::uint8_t> picture;
    int loaded_calls = 0;
    bool loading_seen_in_loaded = false;

    void SetParentComponent(TComponent* p) override { parent = p; }
    bool ReadBinary(std::wstring_view name, std::span<const std::uint8_t> data) override {
        if (name != L"Picture") return false;
        if (data.empty()) throw std::runtime_error("empty picture");
        picture.assign(data.begin(), data.end());
        return true;
    }
    void Loaded() override {
        loading_seen_in_loaded = (ComponentState() & csLoading) != 0;
        TComponent::Loaded();
        ++loaded_calls;
    }

private:
    int size_ = 0;
    TColor color_ = 0;
    bool visible_ = true;
    TShape shape_ = TShape::stCircle;
    std::uint32_t edges_ = 0;
    std::wstring caption_;
    std::unique_ptr<TPen> pen_ = std::make_unique<TPen>();
    std::unique_ptr<TStringList> items_ = std::make_unique<TStringList>();
    std::unique_ptr<TPens> pens_ = std::make_unique<TPens>();
    TWidget* buddy_ = nullptr;
};

// The root of a description: the widget class under another name, as a form is.
class TBoard : public TWidget {
public:
    using TWidget::TWidget;
    static const TClassInfo& StaticClass() {
        static const TClassInfo info(L"TBoard", &TWidget::StaticClass());
        return info;
    }
    const TClassInfo& ClassType() const override { return StaticClass(); }
};

} // namespace fixture
