// TWinSkinForm: the form skinner of one top-level window (a form of the class library, or a
// foreign window such as a system dialog). It sits in front of the window's procedure, answers
// the non-client messages itself and lets everything else through: the client area inside the
// skin's frame, the hit test over the skinned caption, activation, sizing, the system commands,
// the start once attached, the resize to the skin's frame and back, MDI frames and children.
//
// Its parts live in files of their own, behind the members marked below: the frame painter
// (skin_form_frame.cpp: the edges and the title drawn from the skin's border pictures, the
// caption text on its text back, the window region cut by the pictures' key colour, the
// caption icon), the caption buttons and skinned system menu (skin_form_buttons.cpp), the menu
// bar and owner-drawn menus (skin_form_menus.cpp), the control discovery
// (skin_form_controls.cpp) and a move to a display of another density (skin_form_density.cpp).
// Every paint draws from the skin data component's one set of GDI bitmaps of its pictures (at
// the window's density), shared with the skin controls.
#pragma once

#include "skin/forms/caption_rules.h"
#include "skin/forms/nc_object.h"
#include "skin/forms/skin_form_rules.h"
#include "skin/forms/skin_menu_bar.h"

#include "skin/controls/base/skin_control_factory.h"
#include "skin/controls/base/skin_control_host.h"
#include "skin/forms/control_discovery_rules.h"
#include "skin/gdi/dib.h"
#include "skin/gdi/skin_bitmaps.h"
#include "skin/runtime/control_hook.h"
#include "skin/runtime/skinner_links.h"
#include "skin/runtime/window_subclass.h"

#include "ui/component.h"
#include "ui/graphics.h"
#include "ui/scale_measure.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class TSkinData;
namespace ui {
class TForm;
class TImageList;
class TPopupMenu;
class TTimer;
class TWinControl;
struct TMenuItem;
struct TMenuItemDraw;
} // namespace ui

class TWinSkinForm : public ui::TComponent, public TFormSkinnerLink, public TSkinControlHost {
public:
    // `owner` is the skinned form, or none for a foreign window.
    explicit TWinSkinForm(ui::TComponent* owner);
    ~TWinSkinForm() override;
    static const ui::TClassInfo& StaticClass();
    const ui::TClassInfo& ClassType() const override { return StaticClass(); }

    // Set by the manager before attaching: the window, and with it its density and the fonts
    // made for it.
    void SetWindow(HWND window, HMODULE moduleKey, const std::string& className);
    // Takes the window over; skipped once subclassed. The form's own WindowProc is hooked too.
    void AttachForm(TSkinData& skin, ui::TForm& form);
    void AttachWindow(TSkinData& skin);
    bool Subclassed() const { return subclass_.Installed(); }

    // What the manager asks.
    HWND Window() const override { return window_; }
    HMODULE ModuleKey() const override { return moduleKey_; }
    TSkinData* SkinData() const override { return skin_; }
    TFormSkinState SkinState() const override { return skinState_; }
    void SetSkinState(TFormSkinState state) override { skinState_ = state; }
    bool IsMdiChild() const override { return formKind_ == TFormKind::MdiChild; }
    void Detach() override { DetachWindow(true); }
    void FreeCaptionButtons() override;
    void UpdateFrameSizes() override;
    void Refresh() override;
    void SizeGripCreated(HWND grip) override;
    void MdiMaximizedChanged(bool maximized) override;
    void FreeSkinner() override;

    // State the painters and the caption buttons read.
    TFrameSizes FrameSizes() const { return frame_; }
    int MenuBarHeight() const { return menuBarHeight_; }
    TFrameKind FrameKind() const { return frameKind_; }
    TFormKind FormKind() const { return formKind_; }
    TWindowState WindowState() const { return windowState_; }
    bool ActiveFlag() const { return active_; }
    std::uint8_t CaptionButtonFlags() const { return buttonFlags_; }
    bool FrameSkinning() const { return frameSkinning_; }
    bool RightToLeft() const { return rightToLeft_; }
    bool Sizeable() const { return sizeable_; }
    bool DialogClass() const { return dialogClass_; }
    HMENU SystemMenu() const { return systemMenu_; }
    // The caption and menu fonts at the window's density.
    const ui::TFont& CaptionFont() const { return captionFont_; }
    const ui::TFont& MenuFont() const { return menuFont_; }
    // A screen point in frame coordinates (from the window's top-left corner).
    POINT FramePoint(POINT screen) const;

    // ---- The frame painter's part (painting of the frame and title, the window region).
    // Paints the skinned frame into `dc`, or into the window's own DC when none is given.
    void PaintFrame(HDC dc);
    // Whether the update region a frame paint is asked with (WM_NCPAINT's, in screen
    // coordinates; 1 for the whole window) meets the frame.
    bool UpdateMeetsFrame(WPARAM update) const;
    // Shapes the window with the transparent pixels of the frame pictures.
    void BuildRegion();
    // The window's small icon as the caption shows it, at the window's density: made with the
    // caption buttons, and again when the window's icon changes.
    void BuildIconBitmap();
    // The caption-text rectangle of the last title painted, how often the region was cut and
    // how often the frame was painted.
    TPixelRect CaptionRect() const { return captionRect_; }
    int RegionBuilds() const { return regionBuilds_; }
    int FramePaints() const { return framePaints_; }

    // ---- The menu bar's part.
    // The skinned menu bar, or none.
    const TWinSkinMenu* MenuBar() const { return menuBar_.get(); }
    // Opens the menu of bar button `index`; true when a menu was tracked.
    bool OpenMenuBarItem(std::size_t index);
    // Clicks bar button `index` as the mouse would, through the message queue.
    void SimulateMenuBarClick(std::size_t index);
    // The bar button whose menu is open (any window's), or none.
    static std::optional<std::size_t> OpenMenuBarIndex();

    // ---- The caption buttons' and system menu's part.
    void CreateCaptionButtons();
    // A non-client mouse message over the caption; false leaves it to the window.
    bool CaptionMouse(ui::TMessage& msg);
    // Every tick of the hover timer while the window is active.
    void HoverTick();
    void ShowSystemMenu(POINT screen);
    const std::vector<std::unique_ptr<TWinSysButton>>& CaptionButtons() const {
        return captionButtons_;
    }
    // The skinned system menu last shown (its items as built), or none.
    const ui::TPopupMenu* SystemMenuPopup() const { return systemMenuPopup_.get(); }
    // What an item of the fixed system menu does when chosen.
    void FixedSystemMenuClick(TFixedMenuClick click);
    // What the caption buttons ask of their window.
    TNCObject* HotObject() const { return hot_; }
    void SetHotObject(TNCObject* object);
    void ResetCaptionHint();
    void PaintCaptionButton(const TWinSysButton& button);
    const TDataSkinSysButton* ElementOf(const TWinSysButton& button) const;

    // ---- The skin controls' part.
    void RegisterSkinControl(TSkinControl& control) override;
    void UnregisterSkinControl(TSkinControl& control) override;
    HWND HostWindow() const override { return window_; }
    int Dpi() const override { return dpi_; }
    void MouseOverControl(TSkinControl* control) override;
    // The skin controls of the window, in the order they attached.
    const std::vector<TSkinControl*>& SkinControls() const { return skinControls_; }
    // What the discovery gave each control and child window, whether or not its class exists.
    struct TControlAssignment {
        ui::TControl* control = nullptr; // none for a bare window
        HWND window = nullptr;           // none for a control without a window
        TSkinControlKind kind = TSkinControlKind::None;
    };
    const std::vector<TControlAssignment>& ControlAssignments() const { return assignments_; }
    // The kind given to that window; None when it got nothing.
    TSkinControlKind AssignedKind(HWND window) const;

private:
    // SetWindowPos flags that only make the system ask for the frame again.
    static constexpr UINT kReframe =
        SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;
    // Where a message goes next in the window procedure.
    enum class TStep { Stop, Next, NextHandled };

    // Attaching: what the window is (its styles, owner, state, MDI role, frame kind), the
    // subclasses, then the frame the skin draws.
    void Attach(TSkinData& skin);
    void ReadWindowFacts(TSkinData& skin);
    [[nodiscard]] bool InstallSubclasses(TSkinData& skin);
    void TakeOverFrame();
    void DetachWindow(bool full);
    void WindowProcedure(ui::TMessage& msg);
    TStep FirstStage(ui::TMessage& msg);
    TStep SecondStage(ui::TMessage& msg);
    TStep ThirdStage(ui::TMessage& msg);
    // The third stage's answers to the frame's non-client messages.
    TStep NcCalcSize(ui::TMessage& msg);
    TStep NcPaint(ui::TMessage& msg);
    TStep NcActivate(ui::TMessage& msg);
    void FormHook(ui::TMessage& msg);
    void MdiClientProcedure(ui::TMessage& msg);
    [[nodiscard]] bool Pass(ui::TMessage& msg) { return subclass_.Pass(msg); }
    [[nodiscard]] bool SizeHandler(ui::TMessage& msg);
    [[nodiscard]] bool SystemCommand(ui::TMessage& msg);
    void Start();
    // Takes up the window's density `dpi` and what is made for it: the caption and menu fonts.
    void ReadDensity(int dpi);
    // The frame's sizes and the menu bar's height (the strip an MDI child keeps) at the density.
    void SizeFrame();
    // WM_GETDPISCALEDSIZE: the window's size at the density `dpi` for a skinned frame; false
    // leaves it to the system.
    bool DpiScaledSize(int dpi, SIZE& size) const;
    // WM_DPICHANGED (a top-level window) or WM_DPICHANGED_AFTERPARENT (an MDI child): the
    // window moves to a display of the density `dpi`. The frame takes its sizes there before
    // the message goes on (the window takes its new rectangle there); once the form has been
    // laid out for it, the region, the caption and the menu bar follow, and the skin controls
    // repaint. False when this object went meanwhile.
    [[nodiscard]] bool DensityChanged(ui::TMessage& msg, int dpi);
    // The size the system's frame adds to a client area at the density `dpi`.
    TFrameSize SystemFrameAt(int dpi) const;
    void ResizeToSkin(bool fromClientRect);
    void ReadWindowState();
    void SetActive(bool active);
    // The hover timer ticks while the window is skinned, started and active (`on`). It watches
    // only what the mouse is over (a caption or menu-bar button, a foreign window's control), so
    // it is made the first time there is something to watch.
    void EnableHover(bool on);
    void WatchHover();
    // The skinned control that last had the mouse hears that it left, and is forgotten.
    void MouseLeftControl();
    void AfterSkinning();
    bool MaximisedMdiChild() const;

    // ---- Frame and title painting.
    // The skin's pictures as GDI bitmaps, shared with every other painter of the skin.
    TSkinBitmaps& Bitmaps();
    void PaintEdge(HDC dc, int edge, const RECT& rect);
    void PaintTitle(HDC dc, int width, int height);
    void DrawCaptionText(HDC dc, const RECT& title);
    std::wstring CaptionText() const;
    void PaintCaptionIcon(HDC dc, const RECT& bounds);
    // The window's small icon at the density `dpi` on the key colour (all key colour without one).
    TPixelImage IconPixels(int dpi) const;

    // ---- Caption buttons and system menu.
    void UpdateCaptionButtons();
    void LayOutCaptionButtons(int windowWidth);
    void PaintCaptionButtons(HDC dc);
    void DrawCaptionButton(HDC dc, const TWinSysButton& button, int cell);
    // A caption button's picture at the window's density.
    const TStripBitmap& CaptionButtonStrip(const TDataSkinSysButton& button);
    TWinSysButton* CaptionButtonAt(POINT frame) const;
    void CaptionButtonClick(const TWinSysButton& button, POINT screen);
    // Stops the hover timer first: the window is about to go.
    void StopHoverAndPost(UINT msg, WPARAM wp);
    void Restore();
    void MaximiseToggle();
    void MinimiseToggle();
    void SendToActiveMdiChild(unsigned command);
    void RebuildSystemMenu();
    // An empty skinned system menu: owner-drawn with the skin's menu glyphs.
    std::unique_ptr<ui::TPopupMenu> NewSystemMenuPopup();
    // The menu glyphs at the window's density.
    const ui::TImageList* SystemMenuGlyphs();
    void HideCaptionHint();

    // ---- The menu bar's part.
    // Makes the skinned menu bar of a window with a native menu; false when there is none.
    bool AttachMenuBar();
    // Frees the menu bar; with `restore` the window gets its native menu back.
    void DetachMenuBar(bool restore);
    // Ends a menu-bar menu this window has open: the skinner is going while the menu's loop
    // still runs, so nothing may reach it from there.
    void EndMenuTracking();
    // The native menu changed: the menu bar takes it up.
    void ReloadMenuBar();
    // The native menu goes once the menu bar shows it.
    void RemoveNativeMenu();
    // Opens the menu-bar item at a screen point, or the one with that accelerator (key 0: the
    // first); false when none opened.
    bool OpenMenuBarItemAt(POINT screen);
    bool OpenMenuBarItemByKey(unsigned key);
    // The form's menus owner-drawn or not: its popup menus with xcPopupMenu, its main menus with
    // xcMenuItem (unless `popupsOnly`); a kind whose switch is off is left as it is.
    void OwnerDrawMenus(bool on, bool popupsOnly = false);
    // Gives every item of `items` (submenus included) the menu item painter and the skin's
    // measure: the popup item measure, or the bar item measure for a main menu's submenus.
    void SkinMenuItems(std::vector<ui::TMenuItem>& items, const ui::TImageList* images,
                       bool barMeasure);
    // The menu item painter on a class-library item.
    void DrawMenuItem(const ui::TMenuItem& item, const ui::TMenuItemDraw& draw,
                      const ui::TImageList* images);
    // Owner-drawn menu items (WM_DRAWITEM, WM_MEASUREITEM); false leaves them to the window.
    bool MenuItemMessage(ui::TMessage& msg);
    bool MeasureMenuItem(MEASUREITEMSTRUCT& measure);
    bool DrawNativeMenuItem(const DRAWITEMSTRUCT& draw);
    // The menu bar strip of a frame painted into `dc`.
    void PaintMenuBar(HDC dc, const RECT& bar, int windowWidth);
    // Marks the items of a menu-bar submenu owner-drawn, all but those the system draws.
    void MarkOwnerDraw(HMENU menu);
    // What the message-filter hook sees while a menu-bar menu is open.
    static LRESULT CALLBACK MenuFilterHook(int code, WPARAM wp, LPARAM lp);
    void MenuFilterMessage(MSG& msg);

    // ---- The control discovery's part.
    void AssignControls();
    void ControlRecreated(HWND control);
    // The window of one of the form's controls that was hidden when the form's window was made
    // (CM_DEFERREDWINDOWMADE): the control and the controls inside it are taken up as the
    // start would have.
    void DeferredWindowMade(HWND window);
    void ReloadSkinControls();
    // With `restore` the controls, which live on, get their own colours back.
    void FreeSkinControls(bool restore);
    TDiscoverySwitches Switches() const;
    TSkinControl* SkinControlOf(HWND window) const;
    bool IsSkinned(ui::TControl& control) const;
    void AssignControl(ui::TControl& control);
    void AssignChildren(ui::TWinControl& parent);
    void CarryOut(const TControlDecision& decision, ui::TControl& control);
    void SkinControl(const TSkinControlOrder& order, ui::TControl& control);
    // The child windows of a window without class-library controls.
    void AssignWindowChildren(HWND parent);
    void SkinChildWindow(const TSkinControlOrder& order, HWND window);
    void Remember(ui::TControl* control, HWND window, TSkinControlKind kind);
    // A made skin control stays when it registered with this form.
    void Keep(TSkinControlPtr made);

    TWindowSubclass subclass_;
    TWindowSubclass mdiClientSubclass_;
    TControlHook formHook_;
    ui::TFont captionFont_;
    ui::TFont menuFont_;
    std::unique_ptr<ui::TTimer> hoverTimer_;
    bool hoverOn_ = false;
    TSkinData* skin_ = nullptr;
    ui::TForm* form_ = nullptr;
    HWND window_ = nullptr;
    int dpi_ = kBaseDpi; // the window's display density
    HMODULE moduleKey_ = nullptr;
    std::string className_;
    HWND owner_ = nullptr;
    HWND mdiClient_ = nullptr;
    HMENU systemMenu_ = nullptr;
    TFrameSizes frame_;
    TFrameSize systemExtra_;
    int menuBarHeight_ = 0;
    std::int32_t formColor_ = 0;
    bool started_ = false;
    bool frameSkinning_ = false;
    bool hadSystemMenu_ = false;
    bool menuTracking_ = false;
    bool rightToLeft_ = false;
    bool sizeable_ = false;
    bool isChild_ = false;
    bool unicode_ = true;
    bool dialogClass_ = false;
    bool menuUpdate_ = true;
    bool active_ = true;
    TFormKind formKind_ = TFormKind::Normal;
    TFrameKind frameKind_ = TFrameKind::Sizeable;
    // What the desktop compositor was asked at attach, given back at detach.
    TCompositorFrame compositorFrame_;
    std::uint8_t buttonFlags_ = 0;
    TWindowState windowState_ = TWindowState::Normal;
    TFormSkinState skinState_ = TFormSkinState::NotStarted;
    TPlatformVersion platform_;

    // The painters' state.
    TDib captionBitmap_; // the title composed off-screen
    TDib iconBitmap_;
    TPixelRect captionRect_;
    TPixelRect textRect_;
    int rightClipOffset_ = 0;
    TFrameSize regionSize_;
    int regionBuilds_ = 0;
    int framePaints_ = 0;
    // The window is being shown: the system owes its frame a paint (WM_NCPAINT), which paints
    // it whole, and nothing else need paint it before.
    bool framePaintOwed_ = false;

    // Caption buttons and the system menu.
    std::vector<std::unique_ptr<TWinSysButton>> captionButtons_;
    TNCObject* hot_ = nullptr;
    // The menu glyphs made for a density other than kBaseDpi, and that density; before the
    // system menu, which shows them, so they outlast it.
    std::unique_ptr<ui::TImageList> menuGlyphs_;
    int menuGlyphsDpi_ = 0;
    std::unique_ptr<ui::TPopupMenu> systemMenuPopup_;

    // The skin controls, owned: freed with this object (or earlier by their controls, when
    // they unregister themselves). The canvas they share; the one that last had the mouse.
    std::vector<TSkinControl*> skinControls_;
    std::vector<TControlAssignment> assignments_;
    ui::TCanvas controlCanvas_;
    TSkinControl* mouseControl_ = nullptr;
    // The menu bar and the submenu it tracks.
    std::unique_ptr<TWinSkinMenu> menuBar_;
    HMENU trackedPopup_ = nullptr;
    bool systemMenuOpened_ = false;
    std::uint32_t systemMenuTime_ = 0;
    int doubleClickTime_ = static_cast<int>(GetDoubleClickTime());
    // False once this object is gone: a menu's loop runs timers and posted messages, and
    // whatever they do may free the skinner before the call that opened the menu returns.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

// The manager's factory: a form skinner attached to `window`, or none when it cannot attach.
TFormSkinnerLink* CreateWinSkinForm(TSkinData& skin, ui::TControl* control, HWND window,
                                    HMODULE moduleKey, const std::string& className);

// Plugs the skin manager with the form skinners into the skin data components.
void UseFormSkinning();
