// Popup menus on native menus made for each showing.
#include "menus.h"

#include "application.h"

#include <memory>

namespace ui {

namespace {

struct MenuDeleter {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};

} // namespace

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner) {}

const TClassInfo& TPopupMenu::StaticClass() {
    static const TClassInfo info(L"TPopupMenu", &TComponent::StaticClass());
    return info;
}

int TPopupMenu::Popup(int x, int y) {
    const std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter> menu(CreatePopupMenu());
    if (!menu) return -1;
    for (std::size_t i = 0; i < Items.size(); ++i) {
        const TMenuItem& item = Items[i];
        // Command ids count from 1: 0 is what TrackPopupMenu returns for no choice.
        const auto id = static_cast<UINT_PTR>(i + 1);
        if (item.Caption == L"-") {
            AppendMenuW(menu.get(), MF_SEPARATOR, id, nullptr);
            continue;
        }
        const std::wstring text =
            item.ShortCut.empty() ? item.Caption : item.Caption + L'\t' + item.ShortCut;
        AppendMenuW(menu.get(),
                    MF_STRING | (item.Enabled ? 0u : MF_GRAYED) | (item.Checked ? MF_CHECKED : 0u),
                    id, text.c_str());
    }
    const HWND owner = Application ? Application->Handle() : GetActiveWindow();
    menu_ = menu.get();
    const int chosen = static_cast<int>(
        TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD,
                       x, y, 0, owner, nullptr));
    menu_ = nullptr;
    if (chosen <= 0 || static_cast<std::size_t>(chosen) > Items.size()) return -1;
    TMenuItem& item = Items[static_cast<std::size_t>(chosen - 1)];
    if (item.OnClick) item.OnClick(item);
    return chosen - 1;
}

} // namespace ui
