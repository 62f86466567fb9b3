// A desktop compositor for the tests: records what each window asked of it, in order.
#pragma once

#include "skin/forms/compositor.h"

#include <windows.h>

#include <map>
#include <vector>

class TCompositorRecorder final : public TCompositor {
public:
    TCompositorRecorder() : previous_(UseCompositor(this)) {}
    ~TCompositorRecorder() override { UseCompositor(previous_); }
    TCompositorRecorder(const TCompositorRecorder&) = delete;
    TCompositorRecorder& operator=(const TCompositorRecorder&) = delete;
    struct Call {
        DWORD attribute, value;
        bool operator==(const Call&) const = default;
    };
    bool SetAttribute(HWND window, DWORD attribute, DWORD value) override {
        calls[window].push_back({attribute, value});
        return true;
    }
    std::map<HWND, std::vector<Call>> calls;

private:
    TCompositor* previous_;
};
