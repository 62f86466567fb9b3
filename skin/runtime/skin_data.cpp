// The skin data component on the class library.
#include "skin/runtime/skin_data.h"

#include "skin/gdi/skin_bitmaps.h"
#include "skin/runtime/skin_platform.h"

#include "ui/application.h"
#include "ui/form.h"
#include "ui/prop_builders.h"
#include "ui/text_codec.h"
#include "ui/window_dpi.h"

#include <algorithm>
#include <stdexcept>

namespace {

using ui::PropInfo;
using ui::PropKind;
using ui::TPersistent;

TSkinData& Self(TPersistent& o) {
    return static_cast<TSkinData&>(o);
}

// An ordinal property (integer, enumeration, boolean or set) through two functions.
PropInfo Ordinal(std::wstring name, PropKind kind, std::vector<std::wstring> identifiers,
                 std::function<std::int32_t(TSkinData&)> get,
                 std::function<void(TSkinData&, std::int32_t)> set) {
    PropInfo p;
    p.name = std::move(name);
    p.kind = kind;
    p.identifiers = std::move(identifiers);
    p.get_ordinal = [get](TPersistent& o) { return get(Self(o)); };
    p.set_ordinal = [set](TPersistent& o, std::int32_t v) { set(Self(o), v); };
    return p;
}

PropInfo Boolean(std::wstring name, bool (TSkinDataCore::*get)() const,
                 void (TSkinDataCore::*set)(bool)) {
    return Ordinal(
        std::move(name), PropKind::Enumeration, {L"False", L"True"},
        [get](TSkinData& d) { return (d.*get)() ? 1 : 0; },
        [set](TSkinData& d, std::int32_t v) { (d.*set)(v != 0); });
}

template <typename Field>
PropInfo Member(std::wstring name, PropKind kind, Field TSkinDataCore::*field,
                std::vector<std::wstring> identifiers = {}) {
    return Ordinal(
        std::move(name), kind, std::move(identifiers),
        [field](TSkinData& d) { return static_cast<std::int32_t>(d.*field); },
        [field](TSkinData& d, std::int32_t v) { d.*field = static_cast<Field>(v); });
}

// The component's strings are ANSI, as skins and class names are; descriptions are wide.
PropInfo String(std::wstring name, std::function<std::string(TSkinData&)> get,
                std::function<void(TSkinData&, const std::string&)> set) {
    PropInfo p;
    p.name = std::move(name);
    p.kind = PropKind::String;
    p.get_string = [get](TPersistent& o) { return ui::AnsiToWide(get(Self(o))); };
    p.set_string = [set](TPersistent& o, const std::wstring& v) {
        set(Self(o), ui::WideToAnsi(v));
    };
    return p;
}

// Events of the core or of the component itself, all set on the component.
template <typename F, typename Owner> PropInfo Event(std::wstring name, F Owner::*field) {
    return ui::props::Event<TSkinData, F>(std::move(name), field);
}

// Skin3rd seen as the class library's string list ("Skin3rd.Strings" in descriptions); the
// lines stay the component's own.
class TSkin3rdStrings : public ui::TStrings {
public:
    explicit TSkin3rdStrings(TSkinDataCore& data) : data_(data) {}

    int Count() const override { return static_cast<int>(data_.Skin3rd().size()); }
    std::wstring Get(int index) const override {
        return ui::AnsiToWide(data_.Skin3rd().at(static_cast<std::size_t>(index)));
    }
    void Insert(int index, const std::wstring& s) override {
        std::vector<std::string> lines = data_.Skin3rd();
        lines.insert(lines.begin() + std::clamp(index, 0, Count()), ui::WideToAnsi(s));
        data_.SetSkin3rd(lines);
    }
    void Delete(int index) override {
        std::vector<std::string> lines = data_.Skin3rd();
        if (index < 0 || index >= Count()) throw std::out_of_range("List index out of bounds");
        lines.erase(lines.begin() + index);
        data_.SetSkin3rd(lines);
    }
    void SetLines(const std::vector<std::wstring>& lines) override {
        std::vector<std::string> narrow;
        for (const std::wstring& line : lines)
            narrow.push_back(ui::WideToAnsi(line));
        data_.SetSkin3rd(narrow);
    }

private:
    TSkinDataCore& data_;
};

// Once, when the module initialises: the loader's message in a message box (a test may put its
// own recorder in afterwards).
[[maybe_unused]] const bool windowsDefaults = [] {
    SetSkinMessageSink(ShowSkinMessageBox);
    return true;
}();

} // namespace

TSkinData::TSkinData(ui::TComponent* owner)
    : ui::TComponent(owner), skin3rdLines_(std::make_unique<TSkin3rdStrings>(*this)) {
    Inputs = SkinLoadInputs();
    MaxWidth = GetSystemMetrics(SM_CXMAXIMIZED);
    MaxHeight = GetSystemMetrics(SM_CYMAXIMIZED);
    try {
        ui::TBitmap glyphs;
        glyphs.LoadFromResource(GetModuleHandleW(nullptr), L"MORVALEMENU");
        MenuGlyphs.AddMasked(glyphs, 0xFFFFFF);
    } catch (const std::exception&) {
        // A program without menu glyphs draws its menus without them.
    }
}

TSkinData::~TSkinData() {
    Destroying();
    // While the whole component still exists: the manager lets go of the windows it skins.
    if (TSkinManagerLink* manager = SkinManager(false)) manager->UnregisterSkinData(*this);
}

const ui::TClassInfo& TSkinData::StaticClass() {
    using C = TSkinDataCore;
    static const std::vector<std::wstring> kControls = {
        L"xcMainMenu",   L"xcPopupMenu", L"xcMenuItem",    L"xcToolbar",     L"xcControlbar",
        L"xcCombo",      L"xcCheckBox",  L"xcRadioButton", L"xcProgress",    L"xcScrollbar",
        L"xcEdit",       L"xcButton",    L"xcBitBtn",      L"xcSpeedButton", L"xcSpin",
        L"xcPanel",      L"xcGroupBox",  L"xcStatusBar",   L"xcTab",         L"xcTrackBar",
        L"xcSystemMenu", L"xcFastReport"};
    static const std::vector<std::wstring> kOptions = {
        L"xoMDIScrollbar",     L"xoMenuMerge",   L"xoTransparent",       L"xoPreview",
        L"xoParentBackGround", L"xoNoFocusRect", L"xoToolbarBK",         L"xoToolbarButton",
        L"xoMDIChildBorder",   L"xoMenuBG",      L"xoCaptionButtonHint", L"xoFormScrollbar"};
    PropInfo skin3rd;
    skin3rd.name = L"Skin3rd";
    skin3rd.kind = PropKind::Object;
    skin3rd.get_object = [](TPersistent& o) -> TPersistent* { return Self(o).skin3rdLines_.get(); };
    static const ui::TClassInfo info(
        L"TSkinData", &ui::TComponent::StaticClass(),
        {
            Boolean(L"Active", &C::Active, &C::SetActive),
            Member(L"DisableTag", PropKind::Integer, &C::DisableTag),
            Member(L"SkinControls", PropKind::Set, &C::SkinControls, kControls),
            Member(L"Options", PropKind::Set, &C::Options, kOptions),
            skin3rd,
            String(
                L"SkinFile", [](TSkinData& d) { return d.SkinFile(); },
                [](TSkinData& d, const std::string& v) { d.SetSkinFile(v); }),
            String(
                L"SkinStore", [](TSkinData& d) { return d.SkinStore(); },
                [](TSkinData& d, const std::string& v) { d.SetSkinStore(v); }),
            Member(L"SkinFormtype", PropKind::Enumeration, &C::SkinFormtype,
                   {L"sfMainform", L"sfOnlyThisForm", L"sfDialog", L"sfDLL"}),
            String(
                L"Version", [](TSkinData& d) { return d.Version(); },
                [](TSkinData& d, const std::string& v) { d.SetVersion(v); }),
            Member(L"MenuUpdate", PropKind::Enumeration, &C::MenuUpdate, {L"False", L"True"}),
            Member(L"MenuMerge", PropKind::Enumeration, &C::MenuMerge, {L"False", L"True"}),
            Event(L"OnFormSkin", &C::OnFormSkin),
            Event(L"OnSkinChanged", &C::OnSkinChanged),
            Event(L"OnSkinControl", &TSkinData::OnSkinControl),
            Event(L"OnBeforeSkinForm", &C::OnBeforeSkinForm),
            Event(L"OnAfterSkinForm", &C::OnAfterSkinForm),
        });
    return info;
}

bool TSkinData::ReadBinary(std::wstring_view name, std::span<const std::uint8_t> data) {
    if (ui::LowerCase(name) != L"skinstream") return ui::TComponent::ReadBinary(name, data);
    // Timed for the start-up benchmark: this is where the embedded skin is decoded and built.
    LARGE_INTEGER start, end, frequency;
    QueryPerformanceCounter(&start);
    ReadSkinStream(data);
    QueryPerformanceCounter(&end);
    QueryPerformanceFrequency(&frequency);
    StreamLoadMicroseconds = (end.QuadPart - start.QuadPart) * 1'000'000 / frequency.QuadPart;
    return true;
}

void TSkinData::Loaded() {
    ui::TComponent::Loaded();
    TSkinDataCore::Loaded();
}

void TSkinData::ShowCaptionHint(const RECT& at, const std::wstring& text) {
    if (!InSet(Options, xoCaptionButtonHint) || hintShowing_) return;
    if (!hint_) hint_ = new ui::THintWindow(this);
    RECT r = hint_->CalcHintRect(500, text);
    OffsetRect(&r, at.left, at.top);
    hint_->ActivateHint(r, text);
    hintShowing_ = true;
}

void TSkinData::HideCaptionHint() {
    if (!hintShowing_) return;
    hint_->ReleaseHint();
    hintShowing_ = false;
}

bool TSkinData::InDesign() const {
    return Designing;
}

bool TSkinData::InReading() const {
    return Reading || (ComponentState() & ui::csLoading) != 0;
}

bool TSkinData::HasScrollBarInfo() const {
    return User32Functions().GetScrollBarInfo != nullptr;
}

void TSkinData::BuildCaptionFont() {
    CaptionFont.SetHandleFromLogFont(CaptionLogFont(ui::SystemDpi()));
}

void TSkinData::BuildAppIcon() {
    // A picture of the skin's, drawn for kBaseDpi as every other.
    AppIcon = ui::Application ? WindowIconPixels(ui::Application->Handle(), kBaseDpi) : TPixelImage{};
}

TSkinBitmaps& TSkinData::Bitmaps() const {
    if (!bitmaps_) bitmaps_ = std::make_unique<TSkinBitmaps>(Elements());
    return *bitmaps_;
}

void TSkinData::SkinElementsLoaded() {
    faceBrush_.reset(CreateSolidBrush(ui::ColorRef(Elements().Colors[kButtonFace])));
}

TWindowHandle TSkinData::OwnerFormWindow() const {
    auto* form = dynamic_cast<ui::TForm*>(Owner());
    return form ? reinterpret_cast<TWindowHandle>(form->Handle()) : 0;
}
