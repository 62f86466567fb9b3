// Skinned containers.
#include "skin/controls/frames/skin_box.h"

#include "skin/runtime/skin_data.h"
#include "ui/message_params.h"

const ui::TClassInfo& TSkinBox::StaticClass() {
    static const ui::TClassInfo info(L"TSkinBox", &TSkinControl::StaticClass());
    return info;
}

void TSkinBox::AttachControl(TSkinControlHost* host, TSkinData* skinData, bool takeColour,
                             ui::TCanvas* sharedCanvas) {
    if (attached) return;
    TakeControl(host, skinData, sharedCanvas);
    TakeColour(takeColour);
    attached = true;
    lifeState = kAttached;
}

void TSkinBox::Detach() {
    if (ownsColor && control && lifeState != kKeepsColour) control->SetColor(savedColor);
    lifeState = kDetached;
}

const ui::TClassInfo& TSkinBoxH::StaticClass() {
    static const ui::TClassInfo info(L"TSkinBoxH", &TSkinControl::StaticClass());
    return info;
}

bool TSkinBoxH::BeforeMessage(ui::TMessage& msg) {
    switch (msg.Msg) {
    case WM_ERASEBKGND: {
        RECT r{};
        GetWindowRect(handle, &r);
        OffsetRect(&r, -r.left, -r.top);
        FillSkinColour(ui::DcParam(msg), r);
        msg.Result = 0;
        return false;
    }
    case WM_CTLCOLORSTATIC:
        if (CallDefault(msg) && skin)
            msg.Result = reinterpret_cast<std::intptr_t>(skin->FaceBrush());
        return false;
    default:
        return TSkinControl::BeforeMessage(msg);
    }
}
