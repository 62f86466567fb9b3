// TWinSkinPopMenu: the skinner of one popup menu window ("#32768") while it exists. It paints
// the window's border and background from the skin's MenuBackground element and keeps that
// picture, which the menu item painter draws each item over. Made by the skin manager when the
// menu window is created, freed when it is destroyed.
#pragma once

#include "dib.h"
#include "skinner_links.h"
#include "window_subclass.h"

#include <windows.h>

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
    // The background into a DC of the client area, the items over it.
    void PrintClient(ui::TMessage& msg, HDC dc);
    void Detach();

    TWindowSubclass subclass_;
    TSkinData& skin_;
    HWND window_;
    mutable HMENU menu_ = nullptr;
    bool fromMenuBar_ = false;
    TDib background_;
};

// The manager's factory: a popup skinner attached to the menu window, or none.
TPopupSkinnerLink* CreateWinSkinPopMenu(TSkinData& skin, HWND window);
