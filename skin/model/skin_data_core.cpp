// The skin data component's rules: defaults, setters, the skin stream and the load.
#include "skin/model/skin_data_core.h"

#include "skin/model/lzh.h"
#include "skin/model/skin_archive.h"
#include "skin/model/skin_error.h"
#include "ui/le_bytes.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>

namespace {

TSkinManagerProvider& ManagerProvider() {
    static TSkinManagerProvider provider;
    return provider;
}

TSkinMessageSink& MessageSink() {
    static TSkinMessageSink sink;
    return sink;
}

} // namespace

void SetSkinManagerProvider(TSkinManagerProvider provider) {
    ManagerProvider() = std::move(provider);
}

TSkinManagerLink* SkinManager(bool create) {
    return ManagerProvider() ? ManagerProvider()(create) : nullptr;
}

void SetSkinMessageSink(TSkinMessageSink sink) {
    MessageSink() = std::move(sink);
}

void ShowSkinMessage(const std::string& text) {
    if (MessageSink()) MessageSink()(text);
}

TSkinDataCore::TSkinDataCore() : skin3rd_(DefaultSkin3rd()) {}

TSkinDataCore::~TSkinDataCore() {
    if (TSkinManagerLink* manager = SkinManager(false)) manager->UnregisterSkinData(*this);
}

void TSkinDataCore::SetActive(bool value) {
    if (value == active_) return;
    active_ = value;
    if (InDesign() || InReading()) return;
    TSkinManagerLink* manager = SkinManager(false);
    if (!manager) return;
    if (SkinFormtype == sfMainform) {
        // A component whose skin did not load never switches skinning on, nor becomes the
        // manager's pending one.
        if (value && !skinLoaded_) return;
        manager->SetPendingSkinData(this);
        if (value) {
            manager->ScheduleAction(TSkinAction::SkinOn, kSkinActionDelayMs);
            manager->SetState(TSkinManagerState::Running);
        } else {
            manager->ScheduleAction(TSkinAction::SkinOff, kSkinActionDelayMs);
        }
    } else if (SkinFormtype == sfOnlyThisForm) {
        manager->SetPendingSkinData(this);
        if (value && !skinLoaded_) return;
        manager->ScheduleAction(value ? TSkinAction::SkinOn : TSkinAction::SkinOff,
                                kSkinActionDelayMs);
    }
}

std::optional<std::vector<std::uint8_t>> ReadSkinFile(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec || size > kMaxDecodedSize) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size))) {
        return std::nullopt;
    }
    return bytes;
}

void TSkinDataCore::SetSkinFile(const std::string& name) {
    skinLoaded_ = false;
    skinFile_ = name;
    if (InDesign()) {
        // A file replaces an embedded skin.
        if (!name.empty()) skinStream_.clear();
        return;
    }
    std::optional<std::vector<std::uint8_t>> bytes = ReadSkinFile(std::filesystem::path(name));
    if (!bytes) return;
    skinStream_ = std::move(*bytes);
    LoadSkin();
    ApplySkin();
}

std::string TSkinDataCore::SkinStore() const {
    return InDesign() && !skinStream_.empty() ? "(Good)" : "(none)";
}

void TSkinDataCore::ReadSkinStream(std::span<const std::uint8_t> data) {
    if (data.size() < 4) {
        skinStream_.clear();
        return;
    }
    const auto n = static_cast<std::int32_t>(ui::GetU32(data, 0));
    if (n <= 0) return;
    // A length past the stored bytes is a damaged description: no skin rather than a guess.
    if (static_cast<std::uint64_t>(n) > data.size() - 4) {
        skinStream_.clear();
        return;
    }
    skinStream_.assign(data.begin() + 4, data.begin() + 4 + n);
    if (!InDesign()) LoadSkin();
}

std::vector<std::uint8_t> TSkinDataCore::WriteSkinStream() const {
    const auto n = static_cast<std::uint32_t>(skinStream_.size());
    std::vector<std::uint8_t> out(4 + skinStream_.size());
    for (int i = 0; i < 4; ++i)
        out[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(n >> (8 * i));
    std::copy(skinStream_.begin(), skinStream_.end(), out.begin() + 4);
    return out;
}

bool TSkinDataCore::LoadSkin() {
    skinLoaded_ = false;
    if (InDesign()) return false;
    TSkinReader reader;
    try {
        reader.Open(skinStream_);
    } catch (const EOlderSkinFile& e) {
        ShowSkinMessage(e.what());
        return false;
    } catch (const ESkinError&) {
        // A damaged skin is no skin: the elements of the last good one stay.
        return false;
    }
    // Built aside and moved in whole, so a failure half-way leaves the old elements.
    TSkinElements fresh;
    LoadSkinElements(fresh, std::make_shared<TSkinReader>(std::move(reader)), Inputs);
    elements_ = std::move(fresh);
    skinLoaded_ = true;
    SkinElementsLoaded();
    return true;
}

void TSkinDataCore::ApplySkin() {
    if (InDesign() || InReading()) return;
    if (!SkinManager(false)) Loaded();
    TSkinManagerLink* manager = SkinManager(false);
    if (!manager) return;
    manager->SetPendingSkinData(this);
    manager->RefreshSkinForms();
    if (manager->State() == TSkinManagerState::Running) {
        manager->ScheduleAction(TSkinAction::Refresh, kSkinActionDelayMs);
    }
}

bool TSkinDataCore::ShowIconOnCaptionButton(std::size_t index, const TPixelImage& icon) {
    if (index >= elements_.CaptionButtons.size()) return false;
    TDataSkinSysButton& button = elements_.CaptionButtons[index];
    button.Frame = 1;
    if (!button.Image.Empty()) return false;
    button.Image = icon;
    elements_.Serial = NextElementsSerial();
    return true;
}

void TSkinDataCore::Loaded() {
    if (InDesign()) return;
    if (!HasScrollBarInfo()) SkinControls &= ~SetOf<TSkinControls>(xcScrollbar);
    TSkinManagerLink* manager = SkinManager(true);
    if (manager) manager->RegisterSkinData(*this);
    BuildCaptionFont();
    if (SkinFormtype != sfMainform) {
        if (manager) {
            manager->SetSkinningOn(true);
            manager->SetState(CountedIn(manager->State()));
            if (const TWindowHandle owner = OwnerFormWindow(); owner != 0 && active_) {
                manager->SkinWindow(owner);
            }
        }
        return;
    }
    if (manager) manager->InstallHook();
    if (active_) {
        // Stored active without a skin that loaded: comes up inactive.
        if (!skinLoaded_) {
            active_ = false;
        } else if (manager) {
            manager->ScheduleAction(TSkinAction::SkinOn, kSkinActionDelayMs);
        }
    }
    if (InSet(SkinControls, xcMainMenu)) {
        SkinControls &= ~SetOf<TSkinControls>(xcMenuItem);
    } else {
        SkinControls &= ~SetOf<TSkinControls>(xcSystemMenu);
    }
    BuildAppIcon();
}

void TSkinDataCore::FormFilter(TWindowHandle window, const std::string& className, bool& accept) {
    filterWindow_ = window;
    if (OnFormSkin) {
        OnFormSkin(*this, className, accept);
        return;
    }
    if (className == "SysMonthCal32" ||
        (className.starts_with("Tfr") && InSet(SkinControls, xcFastReport))) {
        accept = false;
    }
}

void TSkinDataCore::DoSkinChanged() {
    if (OnSkinChanged) OnSkinChanged(*this);
}
