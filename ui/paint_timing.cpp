// Paints timed per part.
#include "ui/paint_timing.h"

#include <array>
#include <vector>

namespace ui {
namespace {

constexpr auto kSides = static_cast<std::size_t>(TPaintSide::Count);

struct Part {
    std::wstring name;
    std::array<TPaintTotals, kSides> totals{}; // microseconds held as counter ticks
};

// The paints run on the user-interface thread; the parts are few.
std::vector<Part>& Parts() {
    static std::vector<Part> parts;
    return parts;
}

std::size_t PartNamed(std::wstring_view name) {
    auto& parts = Parts();
    for (std::size_t i = 0; i < parts.size(); ++i)
        if (parts[i].name == name) return i;
    parts.push_back(Part{std::wstring(name), {}});
    return parts.size() - 1;
}

thread_local TPaintTiming* innermost = nullptr;

std::int64_t Ticks() {
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

} // namespace

TPaintSide PaintSideOf(UINT msg) {
    switch (msg) {
    case WM_PAINT:
    case WM_ERASEBKGND:
    case WM_PRINTCLIENT:
        return TPaintSide::Client;
    case WM_NCPAINT:
        return TPaintSide::Frame;
    default:
        return TPaintSide::Count;
    }
}

TPaintTiming::TPaintTiming(std::wstring_view part, TPaintSide side) : side_(side) {
    if (side_ != TPaintSide::Count) Start(part);
}

TPaintTiming::TPaintTiming(HWND window, UINT msg) : side_(PaintSideOf(msg)) {
    if (side_ == TPaintSide::Count) return;
    wchar_t name[256]{};
    Start(std::wstring_view(name, static_cast<std::size_t>(GetClassNameW(window, name, 256))));
}

void TPaintTiming::Start(std::wstring_view part) {
    part_ = PartNamed(part);
    outer_ = innermost;
    innermost = this;
    start_ = Ticks();
}

TPaintTiming::~TPaintTiming() {
    if (side_ == TPaintSide::Count) return;
    const std::int64_t elapsed = Ticks() - start_;
    innermost = outer_;
    if (outer_) outer_->inner_ += elapsed;
    TPaintTotals& totals = Parts()[part_].totals[static_cast<std::size_t>(side_)];
    totals.microseconds += elapsed - inner_;
    ++totals.paints;
}

TPaintTotals PaintTotals(std::wstring_view part, TPaintSide side) {
    if (side == TPaintSide::Count) return {};
    TPaintTotals totals = Parts()[PartNamed(part)].totals[static_cast<std::size_t>(side)];
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    totals.microseconds = totals.microseconds * 1'000'000 / frequency.QuadPart;
    return totals;
}

} // namespace ui
