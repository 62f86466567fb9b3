// The display density the programs a test starts come up at. Wine gives a process the density
// of the prefix's `HKCU\Control Panel\Desktop` `LogPixels` as it reads it when the process
// starts, so a test sets it, starts its program, and puts the old value back once the program
// is up (the Windows-side tests run one at a time, so no other test's program sees it). On
// Windows the value is read at sign-in: there a test must run on a display of that scale.
#pragma once

#include <windows.h>

#include <optional>

namespace testing_desktop {

class DensityForNewPrograms {
public:
    explicit DensityForNewPrograms(int dpi);
    // Puts back what was there before, or nothing where nothing was.
    ~DensityForNewPrograms();
    DensityForNewPrograms(const DensityForNewPrograms&) = delete;
    DensityForNewPrograms& operator=(const DensityForNewPrograms&) = delete;

    // Whether the density could be set (false: the programs come up at the prefix's own).
    bool Set() const { return set_; }

private:
    std::optional<DWORD> before_;
    bool set_ = false;
};

} // namespace testing_desktop
