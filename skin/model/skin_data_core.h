// The skin data component without the windowing: its published properties with their defaults
// and setters, the embedded skin stream, the load of a skin into elements, the form filter, and
// the calls into the skin manager. TSkinData puts it on a component and fills in the Windows
// parts (caption font, application icon, message box) through the virtual hooks below.
#pragma once

#include "skin/model/skin_catalogue.h"
#include "skin/model/skin_manager_link.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

enum TSkinControlType : int {
    xcMainMenu,
    xcPopupMenu,
    xcMenuItem,
    xcToolbar,
    xcControlbar,
    xcCombo,
    xcCheckBox,
    xcRadioButton,
    xcProgress,
    xcScrollbar,
    xcEdit,
    xcButton,
    xcBitBtn,
    xcSpeedButton,
    xcSpin,
    xcPanel,
    xcGroupBox,
    xcStatusBar,
    xcTab,
    xcTrackBar,
    xcSystemMenu,
    xcFastReport,
};
// Bit n is TSkinControlType n.
using TSkinControls = std::uint32_t;

enum TSkinOption : int {
    xoMDIScrollbar,
    xoMenuMerge,
    xoTransparent,
    xoPreview,
    xoParentBackGround,
    xoNoFocusRect,
    xoToolbarBK,
    xoToolbarButton,
    xoMDIChildBorder,
    xoMenuBG,
    xoCaptionButtonHint,
    xoFormScrollbar,
};
// Bit n is TSkinOption n.
using TSkinOptions = std::uint16_t;

enum TSkinFormType : int { sfMainform, sfOnlyThisForm, sfDialog, sfDLL };

template <typename Set, typename Enum> constexpr Set SetOf(Enum e) {
    return static_cast<Set>(Set{1} << static_cast<int>(e));
}
template <typename Set, typename Enum> constexpr bool InSet(Set set, Enum e) {
    return (set & SetOf<Set>(e)) != 0;
}

// Every kind except menu items and report previews.
inline constexpr TSkinControls kDefaultSkinControls = 0x1FFFFB;
inline constexpr TSkinOptions kDefaultSkinOptions = 0x448;
inline constexpr const char* kSkinDataVersion = "5.40.07.15";

// The default "class=kind" lines of Skin3rd.
const std::vector<std::string>& DefaultSkin3rd();

// Where user-visible messages of the skin loader go (a message box on Windows); tests record
// them. The default shows nothing.
using TSkinMessageSink = std::function<void(const std::string& text)>;
void SetSkinMessageSink(TSkinMessageSink sink);
void ShowSkinMessage(const std::string& text);

// A skin file's bytes; nullopt when it is missing, unreadable, or too large to be a skin.
std::optional<std::vector<std::uint8_t>> ReadSkinFile(const std::filesystem::path& path);

class TSkinDataCore {
public:
    TSkinDataCore();
    virtual ~TSkinDataCore();
    TSkinDataCore(const TSkinDataCore&) = delete;
    TSkinDataCore& operator=(const TSkinDataCore&) = delete;

    // Published properties, with their setters.
    bool Active() const { return active_; }
    void SetActive(bool value);
    std::int32_t DisableTag = 99;
    TSkinControls SkinControls = kDefaultSkinControls;
    TSkinOptions Options = kDefaultSkinOptions;
    const std::vector<std::string>& Skin3rd() const { return skin3rd_; }
    void SetSkin3rd(const std::vector<std::string>& lines) { skin3rd_ = lines; }
    const std::string& SkinFile() const { return skinFile_; }
    void SetSkinFile(const std::string& name);
    // "(Good)" while designed with an embedded skin, else "(none)"; writing changes nothing.
    std::string SkinStore() const;
    void SetSkinStore(const std::string&) {}
    TSkinFormType SkinFormtype = sfMainform;
    std::string Version() const { return kSkinDataVersion; }
    void SetVersion(const std::string&) {}
    bool MenuUpdate = true;
    bool MenuMerge = false;

    // Events.
    std::function<void(TSkinDataCore& sender, const std::string& aName, bool& DoSkin)> OnFormSkin;
    std::function<void(TSkinDataCore& sender)> OnSkinChanged;
    std::function<void(TSkinDataCore& sender, TWindowHandle ahwnd, const std::string& aName)>
        OnBeforeSkinForm;
    std::function<void(TSkinDataCore& sender, TWindowHandle ahwnd, const std::string& aName)>
        OnAfterSkinForm;

    // The "SkinStream" property as the form description stores it: a 32-bit little-endian length
    // and that many bytes of compressed skin. Reading loads the skin (not while designing); a
    // length of 0 or less leaves the component as it is, one past the data leaves it without a
    // skin.
    void ReadSkinStream(std::span<const std::uint8_t> data);
    std::vector<std::uint8_t> WriteSkinStream() const;
    // The compressed skin as stored.
    const std::vector<std::uint8_t>& SkinStream() const { return skinStream_; }
    void SetSkinStream(std::vector<std::uint8_t> stream) { skinStream_ = std::move(stream); }

    // Decodes the skin stream into the elements. False (elements unchanged) when designing, or
    // when the archive is damaged or of another version (that one says so in a message).
    bool LoadSkin();
    // Hands a newly loaded skin to the manager so skinned windows take it up.
    void ApplySkin();
    // Once the form holding the component is read: registration with the manager, the hook, the
    // first switch-on, and the adjustments of SkinControls.
    void Loaded();
    // The form filter the manager asks about each window class.
    void FormFilter(TWindowHandle window, const std::string& className, bool& accept);
    void DoSkinChanged();

    bool SkinLoaded() const { return skinLoaded_; }
    const TSkinElements& Elements() const { return elements_; }
    // The one completion of a loaded skin: caption button `index` shows `icon` (the window's)
    // where the skin gives it no picture, as a single frame. True when its picture changed; the
    // elements then have a new serial, so whatever was made from the pictures is made again.
    bool ShowIconOnCaptionButton(std::size_t index, const TPixelImage& icon);
    // The window the form filter is deciding about.
    TWindowHandle FilterWindow() const { return filterWindow_; }

    // System inputs of a load; the Windows side fills them at construction.
    TSkinLoadInputs Inputs;

    // Component state; on Windows the class library's state counts too (see InReading).
    bool Designing = false;
    bool Reading = false;

protected:
    virtual bool InDesign() const { return Designing; }
    // While the form holding the component is being read.
    virtual bool InReading() const { return Reading; }
    // Windows parts, nothing on the host.
    virtual bool HasScrollBarInfo() const { return true; }
    virtual void BuildCaptionFont() {}
    virtual void BuildAppIcon() {}
    virtual void SkinElementsLoaded() {}
    // The window of the owner when the owner is a form, else 0.
    virtual TWindowHandle OwnerFormWindow() const { return 0; }

private:
    bool active_ = false;
    std::vector<std::string> skin3rd_;
    std::string skinFile_;
    std::vector<std::uint8_t> skinStream_;
    bool skinLoaded_ = false;
    TSkinElements elements_;
    TWindowHandle filterWindow_ = 0;
};
