// The display density the programs a test starts come up at.
#include "tests/support/display_density.h"

namespace testing_desktop {
namespace {

constexpr wchar_t kKey[] = L"Control Panel\\Desktop";
constexpr wchar_t kValue[] = L"LogPixels";

} // namespace

DensityForNewPrograms::DensityForNewPrograms(int dpi) {
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, kKey, kValue, RRF_RT_REG_DWORD, nullptr, &value, &size) ==
        ERROR_SUCCESS)
        before_ = value;
    const auto wanted = static_cast<DWORD>(dpi);
    set_ = RegSetKeyValueW(HKEY_CURRENT_USER, kKey, kValue, REG_DWORD, &wanted, sizeof wanted) ==
           ERROR_SUCCESS;
}

DensityForNewPrograms::~DensityForNewPrograms() {
    if (before_) {
        RegSetKeyValueW(HKEY_CURRENT_USER, kKey, kValue, REG_DWORD, &*before_, sizeof *before_);
    } else {
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kKey, kValue);
    }
}

} // namespace testing_desktop
