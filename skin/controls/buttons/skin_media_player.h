// TSkinMP: a media player's strip of buttons drawn from the skin's `Buttons` element by
// TWMediaPlayer, a window of its own laid over the player (which paints its buttons in its own
// way). The overlay reads the player's set properties at each paint and hands the mouse's presses
// and releases to the player, so the player performs its own button actions.
#pragma once

#include "skin/controls/base/control_paint.h"
#include "skin/controls/base/overlay_window.h"
#include "skin/controls/base/skin_control.h"

#include "ui/media_buttons.h"

#include <memory>
#include <vector>

class TSkinMP;

class TWMediaPlayer : public TOverlayWindow {
public:
    // A hidden child of the player's parent; placed over the player by Place.
    TWMediaPlayer(TSkinMP& companion, HWND player);

    // Over the player while it is visible and skinning is on, hidden otherwise.
    void Place();
    // The ordinal of the button held down, or -1.
    int PressedButton() const {
        return pressed_ ? static_cast<int>(layout_[pressedIndex_].Button) : -1;
    }

private:
    // The player's buttons as its properties say now, laid out over the overlay's width.
    void ReadButtons();
    bool Enabled(ui::TMPBtnType b) const;
    void Paint(HDC dc) override;
    std::optional<LRESULT> OnMessage(const ui::TMessage& msg) override;
    void Press(const ui::TMessage& msg);
    void Release(const ui::TMessage& msg);
    // The press ends without a release over its button: the player drops it too.
    void CancelPress();

    TSkinMP& companion_;
    HWND player_;
    ui::TMPButtonSet visible_ = 0, enabled_ = 0, colored_ = 0;
    std::vector<ui::TMPButtonCell> layout_;
    std::size_t pressedIndex_ = 0;
    bool pressed_ = false;
    TOffscreen surface_;
};

class TSkinMP : public TSkinControl {
public:
    explicit TSkinMP(ui::TComponent* owner);
    ~TSkinMP() override;
    static const ui::TClassInfo& StaticClass();
    const ui::TClassInfo& ClassType() const override { return StaticClass(); }

    void AttachControl(TSkinControlHost* form, TSkinData* skin, bool ownsColor,
                       ui::TCanvas* canvas) override;
    void AfterMessage(ui::TMessage& msg) override;
    void DrawSkin(HDC dc, const RECT& rect) override;
    void Detach() override;
    // The overlay hides while skinning is off, and the player shows its own look.
    void SkinActivityChanged() override;

    // None when the skin has no `Buttons` picture: the player keeps its own look.
    TWMediaPlayer* Overlay() const { return overlay_.get(); }

private:
    friend class TWMediaPlayer;
    bool HasButtons() const;

    std::unique_ptr<TWMediaPlayer> overlay_;
};
