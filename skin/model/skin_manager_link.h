// The seam between a skin data component and the one skin manager: what the component asks of
// the manager, the actions it schedules and the manager states it reads and sets. The manager
// implements it; until one is plugged in (and on the host) there is none.
#pragma once

#include <cstdint>
#include <functional>

class TSkinDataCore;

// Window handles as the portable code carries them.
using TWindowHandle = std::uintptr_t;

// What the manager does when its timer next fires (the numbers are the ones the manager has
// always been scheduled with).
enum class TSkinAction : int {
    SkinOn = 1,           // skinning on, every visible form skinned
    SkinOff = 2,          // skinning off, every form skinner detached and freed
    Refresh = 3,          // the forms already skinned take up a newly loaded skin
    ReleaseDestroyed = 6, // form skinners whose windows are gone are freed
    Reskin = 7,           // one window skinned again from scratch
};

// The manager's state. Components for a single form or for dialogs count themselves in when
// loaded, so values between Running and ShuttingDown occur; they mean running too.
enum class TSkinManagerState : int { NotStarted = 0, Running = 1, ShuttingDown = 4 };

// The state after one more such component was loaded. The count stops short of ShuttingDown,
// which only the manager's destruction may set: a manager that took itself for shutting down
// would stop forgetting the skinners of destroyed windows.
constexpr TSkinManagerState CountedIn(TSkinManagerState state) {
    constexpr int kLastRunning = static_cast<int>(TSkinManagerState::ShuttingDown) - 1;
    const int now = static_cast<int>(state);
    return now >= kLastRunning ? state : static_cast<TSkinManagerState>(now + 1);
}

// The delay the component schedules its actions with, so that a window is skinned once its
// creation has finished.
inline constexpr int kSkinActionDelayMs = 250;

class TSkinManagerLink {
public:
    virtual ~TSkinManagerLink() = default;
    virtual void RegisterSkinData(TSkinDataCore& data) = 0;
    virtual void UnregisterSkinData(TSkinDataCore& data) = 0;
    virtual void InstallHook() = 0;
    virtual void ScheduleAction(TSkinAction action, int delayMs) = 0;
    virtual void RefreshSkinForms() = 0;
    virtual void SetPendingSkinData(TSkinDataCore* data) = 0;
    virtual TSkinManagerState State() const = 0;
    virtual void SetState(TSkinManagerState state) = 0;
    virtual void SetSkinningOn(bool on) = 0;
    virtual bool SkinWindow(TWindowHandle window) = 0;
};

// Where the manager comes from: `create` false asks for the existing one only. The default
// provider has none.
using TSkinManagerProvider = std::function<TSkinManagerLink*(bool create)>;
void SetSkinManagerProvider(TSkinManagerProvider provider);
TSkinManagerLink* SkinManager(bool create);
