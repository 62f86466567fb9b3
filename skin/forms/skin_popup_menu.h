// TWinSkinPopMenu: the skinner of one popup menu window ("#32768") while it exists. It paints
// the window's border and background from the skin's MenuBackground element and keeps that
// picture, which the menu item painter draws each item over. Made by the skin manager when the
// menu window is created, freed when it is destroyed.
#pragma once

#include "skin/gdi/dib.h"
#include "skin/runtime/skinner_links.h"
#include "skin/runtime/window_subclass.h"

#include <windows.h>

#include <memory>

class TSkinData;

class TWinSkinPopMenu final : public TPopupSkinnerLink {
public:
    TWinSkinPopMenu(TSkinData& skin, HWND window);
    TWinSkinPopMenu(const TWinSkinPopMenu&) = delete;
    TWinSkinPopMenu& operator=(const TWinSkinPopMenu&) = delete;
    // Subclasses the window; false when the system refuses.
    bool Attach();

    HWND Window() const override { return window_; }
    void SetFromMenuBar(bool fromMenuBar) override { fromMenuBar_ = fromMenuBar; }
    // The menu the window shows: as bound by the item painter, else as the window tells.
    HMENU Menu() const override;
    void SetMenu(HMENU menu) override { menu_ = menu; }
    HDC Background() const override { return background_.Dc(); }
    POINT ClientOffset() const override;
    void FreeSkinner() override;

private:
    ~TWinSkinPopMenu() = default;
    void Procedure(ui::TMessage& msg);
    // The MenuBackground picture at the window's size; false without one.
    bool RenderBackground();
    // The window's frame from the background picture into `dc` (window coordinates).
    void PaintFrame(HDC dc) const;
    // The whole client area into `dc`: the background, each owner-drawn item drawn by its
    // owner, and only the items the system draws itself from the system's printing.
    void PaintClient(HDC dc, LPARAM printFlags);
    // The background with the system's printing over it, inside the skin's frame; false when
    // this object went meanwhile.
    bool PrintClient(HDC dc, LPARAM printFlags);
    void Detach();

    TWindowSubclass subclass_;
    TSkinData& skin_;
    HWND window_;
    // The menu window's density (its monitor's) and its frame's width there.
    int dpi_;
    int border_;
    mutable HMENU menu_ = nullptr;
    bool fromMenuBar_ = false;
    TDib background_;
    // False once this object is freed: the owner's drawing runs code that may free it.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

// The manager's factory: a popup skinner attached to the menu window, or none.
TPopupSkinnerLink* CreateWinSkinPopMenu(TSkinData& skin, HWND window);
